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

// `image` with the byte at `offset` changed.
Bytes Patched(Bytes image, std::size_t offset, std::uint8_t value)
{
    image[offset] = value;
    return image;
}

// Offsets in this image: RIFF size 4, form type 8, format chunk 12 (its body 20), data chunk 36
// (its size 40), samples 44.
const Bytes pcmWave = PcmWave(1, 11025, 8, someSamples);
// IMA ADPCM in two blocks of 256 bytes, whose format chunk carries two extra bytes (505 samples a
// block) at offset 36, behind the common fields, and a fact chunk.
const Bytes imaWave = ImaAdpcmWave(8000, 2, 256, 9000);

} // namespace

// Chunks come in any order among others; the format block holds the common fields as stored,
// and its extra bytes are kept only for compressed formats and only when they lie inside the chunk.
// Images that are no waves, miss a chunk or are cut short fail with their reason and hold nothing.
TEST(CWave, FindsTheChunksOrFailsWithTheReason)
{
    Bytes longPcm = CommonFormat(1, 1, 11025, 1, 8);
    Append16(longPcm, 22);
    longPcm.insert(longPcm.end(), {7, 7, 7, 7});
    const struct {
        Bytes image;
        CW_ERROR error;
        std::uint16_t extraSize = 0;
        Bytes samples = someSamples;
    } rows[] = {
        {PcmWave(2, 22050, 16, someSamples), CWE_NONE},
        {RiffImage("WAVE", {Chunk("LIST", {9, 9, 9}), Chunk("data", someSamples), Chunk("junk", {9}),
                               Chunk("fmt ", CommonFormat(1, 1, 11025, 1, 8))}), CWE_NONE},
        {PcmWave(1, 8000, 8, {}), CWE_NONE, 0, {}},
        {RiffImage("WAVE", {Chunk("fmt ", longPcm), Chunk("data", someSamples)}), CWE_NONE},
        {imaWave, CWE_NONE, 2, Bytes(imaWave.end() - 512, imaWave.end())},
        // Exactly the common fields: the next chunk's header is not taken for an extra size.
        {RiffImage("WAVE", {Chunk("fmt ", CommonFormat(7, 1, 8000, 1, 8)), Chunk("data", someSamples)}), CWE_NONE},
        {Patched(pcmWave, 3, 'X'), CWE_BADFORMAT},  // not RIFF
        {Patched(pcmWave, 8, 'X'), CWE_BADFORMAT},  // not WAVE
        {{'R', 'I', 'F', 'F', 4, 0, 0, 0}, CWE_BADFORMAT},
        {Patched(pcmWave, 16, 14), CWE_BADFORMAT},  // an old 14-byte format header
        {Patched(imaWave, 36, 40), CWE_BADFORMAT},  // more extra bytes than the chunk holds
        {Bytes(imaWave.begin(), imaWave.begin() + 39), CWE_BADFORMAT}, // cut in the extra bytes
        {Patched(pcmWave, 12, 'X'), CWE_UNKNOWN},   // no format chunk
        {Patched(pcmWave, 36, 'X'), CWE_UNKNOWN},   // no data chunk
        {Patched(pcmWave, 4, 28), CWE_UNKNOWN},     // the data chunk outside the RIFF chunk
        {Patched(pcmWave, 43, 0xFF), CWE_BADDATA},  // a data chunk claiming nearly 4 GiB
        {Bytes(pcmWave.begin(), pcmWave.begin() + 30), CWE_READFAIL},
        {Bytes(imaWave.begin(), imaWave.begin() + 37), CWE_READFAIL}, // cut in the extra size
    };
    const std::string formatIdentifier = "fmt ";
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.image));
        CWave wave;
        EXPECT_EQ(LoadExactly(row.image, wave), row.error == CWE_NONE);
        EXPECT_EQ(wave.IsLoaded(), row.error == CWE_NONE);
        EXPECT_EQ(wave.GetLastError(), row.error);
        if (!wave.IsLoaded()) {
            continue;
        }
        const auto formatChunk = std::ranges::search(row.image, formatIdentifier).begin();
        EXPECT_EQ(std::memcmp(wave.GetWaveFormat(), &formatChunk[8], 16), 0);
        EXPECT_EQ(wave.GetWaveFormat()->cbSize, row.extraSize);
        EXPECT_EQ(Samples(wave), row.samples);
        if (row.extraSize == 2) {
            EXPECT_EQ(FormatExtraBytes(wave.GetWaveFormat())[0] | FormatExtraBytes(wave.GetWaveFormat())[1] << 8, 505);
        }
    }
}

TEST(CWave, RefusesBadRequestsAndLoadsOnceOnly)
{
    const Bytes& image = pcmWave;
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
    EXPECT_EQ(opened.GetWaveFormat()->nSamplesPerSec, 11025u);
    EXPECT_FALSE(opened.IsLoaded());
    EXPECT_FALSE(opened.OpenWaveFile(image.data(), size, memoryImage));
    EXPECT_EQ(opened.GetLastError(), CWE_INVALIDPARAM);
}

// Wave images come from files a user can replace: every prefix of a wave fails cleanly, and
// copies with a few bytes changed never read outside. Most changes hit samples, which load as
// they are: the parser is not simply refusing everything.
TEST(WaveRobustness, CutAndDamagedWavesNeverReadOutside)
{
    std::mt19937 random(20261207);
    int loadedCount = 0;
    for (const Bytes& whole : {PcmWave(2, 22050, 16, Bytes(64, 3)), imaWave}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            CWave wave;
            EXPECT_FALSE(LoadExactly(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)), wave)) << length;
        }
        for (int round = 0; round < 3000; ++round) {
            Bytes image = whole;
            for (int i = 1 + static_cast<int>(random() % 4); i > 0; --i) {
                image[random() % image.size()] = static_cast<std::uint8_t>(random());
            }
            CWave wave;
            loadedCount += LoadExactly(image, wave) ? 1 : 0;
        }
    }
    EXPECT_GT(loadedCount, 3000);
}
