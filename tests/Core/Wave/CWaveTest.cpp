#include "Core/Wave/CWave.h"

#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

using namespace WaveImages;

namespace {

constexpr unsigned long memoryImage = CWave::loadFromMemory | CWave::loadFromMemoryImage;
const Bytes someSamples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// Loads `image` from a heap block of exactly its size, so that a read past its end is caught
// (the sanitizer build checks every access). A loaded wave's samples are bytes of the image; a
// wave that failed holds nothing and says why.
bool LoadExactly(const Bytes& image, CWave& wave)
{
    auto block = std::make_unique<unsigned char[]>(std::max<std::size_t>(image.size(), 1));
    std::copy(image.begin(), image.end(), block.get());
    const bool loaded = wave.LoadWave(block.get(), static_cast<int>(image.size()), memoryImage);
    if (loaded) {
        EXPECT_LE(wave.GetWaveSize(), image.size());
        const auto found = std::search(image.begin(), image.end(), wave.GetWaveData(), wave.GetWaveData() + wave.GetWaveSize());
        EXPECT_TRUE(found != image.end() || wave.GetWaveSize() == 0);
    } else {
        EXPECT_NE(wave.GetLastError(), CWE_NONE);
        EXPECT_EQ(wave.GetWaveData(), nullptr);
        EXPECT_EQ(wave.GetWaveSize(), 0u);
    }
    return loaded;
}

Bytes Samples(const CWave& wave)
{
    return Bytes(wave.GetWaveData(), wave.GetWaveData() + wave.GetWaveSize());
}

Bytes WaveOf(const Bytes& format, const Bytes& samples = someSamples)
{
    return RiffImage("WAVE", {Chunk("fmt ", format), Chunk("data", samples)});
}

// IMA ADPCM whose format chunk carries two extra bytes (505 samples a block).
Bytes CompressedFormat()
{
    Bytes format = CommonFormat(0x11, 1, 22050, 256, 4);
    Append16(format, 2);
    Append16(format, 505);
    return format;
}

Bytes CompressedWave()
{
    return RiffImage("WAVE", {Chunk("fmt ", CompressedFormat()), Chunk("fact", {1, 0, 0, 0}), Chunk("data", Bytes(300, 0x5A))});
}

} // namespace

TEST(CWave, LoadsAPcmWaveWithItsFormatAndExactSamples)
{
    CWave wave;
    ASSERT_TRUE(LoadExactly(PcmWave(2, 22050, 16, someSamples), wave));
    EXPECT_TRUE(wave.IsLoaded());
    const WAVEFORMATEX expected{1, 2, 22050, 88200, 4, 16, 0};
    ASSERT_NE(wave.GetWaveFormat(), nullptr);
    EXPECT_EQ(std::memcmp(wave.GetWaveFormat(), &expected, sizeof expected), 0);
    EXPECT_EQ(Samples(wave), someSamples);
}

// Chunks come in any order among others; a format chunk's extra bytes are kept only for
// compressed formats and only when they lie inside the chunk.
TEST(CWave, FindsTheChunksAndKeepsOnlyTheExtrasOfCompressedFormats)
{
    Bytes longPcm = CommonFormat(1, 1, 11025, 1, 8);
    Append16(longPcm, 22);
    longPcm.insert(longPcm.end(), {7, 7, 7, 7});
    const struct {
        Bytes image;
        std::uint16_t extraSize;
        Bytes samples;
    } rows[] = {
        {RiffImage("WAVE", {Chunk("LIST", {9, 9, 9}), Chunk("data", someSamples), Chunk("junk", {9}),
                               Chunk("fmt ", CommonFormat(1, 1, 11025, 1, 8))}), 0, someSamples},
        {PcmWave(1, 8000, 8, {}), 0, {}},
        {WaveOf(longPcm), 0, someSamples},
        {WaveOf(CompressedFormat()), 2, someSamples},
        // Exactly the common fields: the next chunk's header is not taken for an extra size.
        {WaveOf(CommonFormat(7, 1, 8000, 1, 8)), 0, someSamples},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.image));
        CWave wave;
        ASSERT_TRUE(LoadExactly(row.image, wave));
        EXPECT_EQ(wave.GetWaveFormat()->cbSize, row.extraSize);
        EXPECT_EQ(Samples(wave), row.samples);
        if (row.extraSize == 2) {
            EXPECT_EQ(FormatExtraBytes(wave.GetWaveFormat())[0] | FormatExtraBytes(wave.GetWaveFormat())[1] << 8, 505);
        }
    }
}

// Images that are no waves, miss a chunk or are cut short fail with their reason and hold nothing.
TEST(CWave, BrokenImagesFailWithTheirReason)
{
    const Bytes format = CommonFormat(1, 1, 11025, 1, 8);
    Bytes notRiff = PcmWave(1, 8000, 8, someSamples);
    std::memcpy(notRiff.data(), "RIFX", 4);
    Bytes dataOutsideRiff = RiffImage("WAVE", {Chunk("fmt ", format)});
    const Bytes data = Chunk("data", someSamples);
    dataOutsideRiff.insert(dataOutsideRiff.end(), data.begin(), data.end());
    Bytes cutInFormat = RiffImage("WAVE", {Chunk("fmt ", format)});
    cutInFormat.resize(cutInFormat.size() - 6);
    Bytes extraBeyondChunk = CompressedFormat();
    extraBeyondChunk[16] = 40;
    const std::pair<Bytes, CW_ERROR> images[] = {
        {RiffImage("AVI ", {Chunk("fmt ", format), Chunk("data", someSamples)}), CWE_BADFORMAT},
        {notRiff, CWE_BADFORMAT},
        {{'R', 'I', 'F', 'F', 4, 0, 0, 0}, CWE_BADFORMAT},
        {WaveOf(Bytes(format.begin(), format.begin() + 14)), CWE_BADFORMAT}, // an old 14-byte format header
        {WaveOf(extraBeyondChunk), CWE_BADFORMAT},
        {RiffImage("WAVE", {Chunk("data", someSamples)}), CWE_UNKNOWN},
        {RiffImage("WAVE", {Chunk("fmt ", format)}), CWE_UNKNOWN},
        {dataOutsideRiff, CWE_UNKNOWN},
        {RiffImage("WAVE", {Chunk("fmt ", format), Chunk("data", someSamples, 11)}), CWE_BADDATA},
        {RiffImage("WAVE", {Chunk("fmt ", format), Chunk("data", someSamples, 0xFFFFFFF0u)}), CWE_BADDATA},
        {cutInFormat, CWE_READFAIL},
    };
    for (std::size_t index = 0; index < std::size(images); ++index) {
        CWave wave;
        EXPECT_FALSE(LoadExactly(images[index].first, wave)) << "image " << index;
        EXPECT_EQ(wave.GetLastError(), images[index].second) << "image " << index;
    }
}

TEST(CWave, RefusesBadRequestsAndLoadsOnceOnly)
{
    const Bytes image = PcmWave(1, 8000, 8, someSamples);
    const int size = static_cast<int>(image.size());
    const struct {
        const unsigned char* data;
        int size;
        unsigned long options;
        CW_ERROR error;
    } requests[] = {{nullptr, 10, memoryImage, CWE_NULLPTR}, {image.data(), 0, memoryImage, CWE_INVALIDPARAM},
        {image.data(), -5, memoryImage, CWE_INVALIDPARAM}, {image.data(), size, 0x1, CWE_NOTIMPLEMENTED}};
    for (const auto& request : requests) {
        CWave wave;
        EXPECT_FALSE(wave.LoadWave(request.data, request.size, request.options));
        EXPECT_EQ(wave.GetLastError(), request.error);
    }
    // Either option bit on its own is enough.
    CWave wave;
    EXPECT_TRUE(wave.LoadWave(image.data(), size, CWave::loadFromMemory));
    EXPECT_TRUE(CWave().LoadWave(image.data(), size, CWave::loadFromMemoryImage));
    const Bytes other = PcmWave(2, 44100, 16, {1, 2, 3, 4});
    EXPECT_FALSE(wave.LoadWave(other.data(), static_cast<int>(other.size()), memoryImage));
    EXPECT_EQ(wave.GetLastError(), CWE_LOADED);
    EXPECT_EQ(Samples(wave), someSamples);

    // An opened wave has its format but no samples, and opens once.
    CWave opened;
    ASSERT_TRUE(opened.OpenWaveFile(image.data(), size, memoryImage));
    EXPECT_EQ(opened.GetWaveFormat()->nSamplesPerSec, 8000u);
    EXPECT_FALSE(opened.IsLoaded());
    EXPECT_FALSE(opened.OpenWaveFile(image.data(), size, memoryImage));
    EXPECT_EQ(opened.GetLastError(), CWE_INVALIDPARAM);
}

// Wave images come from files a user can replace: every prefix of a wave fails cleanly.
TEST(WaveRobustness, EveryTruncationOfAWaveFailsCleanly)
{
    for (const Bytes& whole : {PcmWave(1, 8000, 8, Bytes(40, 0x80)), CompressedWave()}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            CWave wave;
            EXPECT_FALSE(LoadExactly(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)), wave)) << length;
        }
        CWave wave;
        EXPECT_TRUE(LoadExactly(whole, wave));
    }
}

// Random images (most with a plausible start, so that the deeper parsing is reached) and waves
// with a few bytes changed never read outside. Most changes hit samples, which load as they are:
// the parser is not simply refusing everything.
TEST(WaveRobustness, RandomAndMutatedImagesNeverReadOutside)
{
    std::mt19937 random(20261207);
    const Bytes originals[] = {PcmWave(2, 22050, 16, Bytes(64, 3)), CompressedWave()};
    int loadedCount = 0;
    for (int round = 0; round < 6000; ++round) {
        Bytes image = originals[round / 2 % 2];
        if (round % 2 == 0) {
            image.resize(random() % 200);
            std::generate(image.begin(), image.end(), [&] { return static_cast<std::uint8_t>(random()); });
            if (round % 8 != 0 && image.size() >= 12) {
                std::copy_n("RIFF", 4, image.begin());
                std::copy_n("WAVE", 4, image.begin() + 8);
            }
        } else {
            for (int i = 1 + static_cast<int>(random() % 4); i > 0; --i) {
                image[random() % image.size()] = static_cast<std::uint8_t>(random());
            }
        }
        CWave wave;
        loadedCount += LoadExactly(image, wave) && round % 2 == 1 ? 1 : 0;
    }
    EXPECT_GT(loadedCount, 100);
}
