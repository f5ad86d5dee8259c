#include "Core/Wave/CWave.h"

#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <utility>

using namespace WaveImages;

namespace {

constexpr unsigned long memoryImage = 0x00010002;

struct LoadOutcome {
    bool loaded;
    CW_ERROR error;
};

LoadOutcome Load(CWave& wave, const Bytes& image)
{
    const bool loaded = wave.LoadWave(image.data(), static_cast<int>(image.size()), memoryImage);
    return {loaded, wave.GetLastError()};
}

CW_ERROR FailureOf(const Bytes& image)
{
    CWave wave;
    const LoadOutcome outcome = Load(wave, image);
    EXPECT_FALSE(outcome.loaded);
    EXPECT_EQ(wave.GetWaveSize(), 0u);
    EXPECT_EQ(wave.GetWaveData(), nullptr);
    return outcome.error;
}

const Bytes someSamples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

Bytes PcmFormatBody()
{
    return CommonFormat(1, 1, 11025, 1, 8);
}

} // namespace

TEST(CWave, LoadsAPcmWaveWithItsFormatAndExactSamples)
{
    const Bytes image = PcmWave(2, 22050, 16, someSamples);
    CWave wave;
    ASSERT_TRUE(Load(wave, image).loaded);
    EXPECT_TRUE(wave.IsLoaded());
    const WAVEFORMATEX* format = wave.GetWaveFormat();
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->wFormatTag, 1);
    EXPECT_EQ(format->nChannels, 2);
    EXPECT_EQ(format->nSamplesPerSec, 22050u);
    EXPECT_EQ(format->nAvgBytesPerSec, 88200u);
    EXPECT_EQ(format->nBlockAlign, 4);
    EXPECT_EQ(format->wBitsPerSample, 16);
    EXPECT_EQ(format->cbSize, 0);
    ASSERT_EQ(wave.GetWaveSize(), someSamples.size());
    EXPECT_EQ(std::memcmp(wave.GetWaveData(), someSamples.data(), someSamples.size()), 0);
}

TEST(CWave, AnEmptyDataChunkLoadsWithoutSamples)
{
    CWave wave;
    ASSERT_TRUE(Load(wave, PcmWave(1, 8000, 8, {})).loaded);
    EXPECT_EQ(wave.GetWaveSize(), 0u);
}

TEST(CWave, FindsTheChunksInEitherOrderAndSkipsOthers)
{
    const Bytes oddChunk = {9, 9, 9};
    const Bytes image = RiffImage("WAVE", {Chunk("LIST", oddChunk), Chunk("data", someSamples), Chunk("junk", oddChunk),
                                              Chunk("fmt ", PcmFormatBody())});
    CWave wave;
    ASSERT_TRUE(Load(wave, image).loaded);
    EXPECT_EQ(wave.GetWaveFormat()->nSamplesPerSec, 11025u);
    ASSERT_EQ(wave.GetWaveSize(), someSamples.size());
    EXPECT_EQ(std::memcmp(wave.GetWaveData(), someSamples.data(), someSamples.size()), 0);
}

TEST(CWave, FormatChunkExtrasAreKeptOnlyForCompressedFormatsAndOnlyInsideTheChunk)
{
    // PCM with a longer format chunk: the extra-size field and its bytes are ignored.
    Bytes pcm = PcmFormatBody();
    Append16(pcm, 22);
    pcm.insert(pcm.end(), {7, 7, 7, 7});
    CWave longPcm;
    ASSERT_TRUE(Load(longPcm, RiffImage("WAVE", {Chunk("fmt ", pcm), Chunk("data", someSamples)})).loaded);
    EXPECT_EQ(longPcm.GetWaveFormat()->cbSize, 0);
    EXPECT_EQ(longPcm.GetWaveSize(), someSamples.size());

    // A compressed format keeps its extra bytes.
    Bytes compressed = CommonFormat(0x11, 1, 22050, 256, 4);
    Append16(compressed, 2);
    Append16(compressed, 505);
    CWave adpcm;
    ASSERT_TRUE(Load(adpcm, RiffImage("WAVE", {Chunk("fmt ", compressed), Chunk("data", someSamples)})).loaded);
    ASSERT_EQ(adpcm.GetWaveFormat()->cbSize, 2);
    EXPECT_EQ(FormatExtraBytes(adpcm.GetWaveFormat())[0], 505 & 0xFF);
    EXPECT_EQ(FormatExtraBytes(adpcm.GetWaveFormat())[1], 505 >> 8);

    // Exactly the common fields: no extra size is stored, and the next chunk's header is not
    // mistaken for one.
    CWave plain;
    ASSERT_TRUE(Load(plain, RiffImage("WAVE", {Chunk("fmt ", CommonFormat(7, 1, 8000, 1, 8)), Chunk("data", someSamples)})).loaded);
    EXPECT_EQ(plain.GetWaveFormat()->cbSize, 0);
    EXPECT_EQ(plain.GetWaveSize(), someSamples.size());

    // An extra size claiming more than the chunk holds.
    compressed[16] = 40;
    EXPECT_EQ(FailureOf(RiffImage("WAVE", {Chunk("fmt ", compressed), Chunk("data", someSamples)})), CWE_BADFORMAT);
}

// Images that are no waves, miss a chunk or are cut short fail with their reason and hold nothing.
TEST(CWave, BrokenImagesFailWithTheirReason)
{
    Bytes notRiff = PcmWave(1, 8000, 8, someSamples);
    std::memcpy(notRiff.data(), "RIFX", 4);
    Bytes shortFormat = PcmFormatBody(); // an old-style 14-byte format header
    shortFormat.resize(14);
    Bytes dataOutsideRiff = RiffImage("WAVE", {Chunk("fmt ", PcmFormatBody())});
    const Bytes data = Chunk("data", someSamples);
    dataOutsideRiff.insert(dataOutsideRiff.end(), data.begin(), data.end());
    Bytes cutInFormat = RiffImage("WAVE", {Chunk("fmt ", PcmFormatBody())});
    cutInFormat.resize(cutInFormat.size() - 6);
    const std::pair<Bytes, CW_ERROR> images[] = {
        {RiffImage("AVI ", {Chunk("fmt ", PcmFormatBody()), Chunk("data", someSamples)}), CWE_BADFORMAT},
        {notRiff, CWE_BADFORMAT},
        {{'R', 'I', 'F', 'F', 4, 0, 0, 0}, CWE_BADFORMAT},
        {RiffImage("WAVE", {Chunk("fmt ", shortFormat), Chunk("data", someSamples)}), CWE_BADFORMAT},
        {RiffImage("WAVE", {Chunk("data", someSamples)}), CWE_UNKNOWN},
        {RiffImage("WAVE", {Chunk("fmt ", PcmFormatBody())}), CWE_UNKNOWN},
        {dataOutsideRiff, CWE_UNKNOWN},
        {RiffImage("WAVE", {Chunk("fmt ", PcmFormatBody()), Chunk("data", someSamples, 11)}), CWE_BADDATA},
        {RiffImage("WAVE", {Chunk("fmt ", PcmFormatBody()), Chunk("data", someSamples, 0xFFFFFFF0u)}), CWE_BADDATA},
        {cutInFormat, CWE_READFAIL},
    };
    for (std::size_t index = 0; index < std::size(images); ++index) {
        EXPECT_EQ(FailureOf(images[index].first), images[index].second) << "image " << index;
    }
}

TEST(CWave, RefusesBadRequests)
{
    const Bytes image = PcmWave(1, 8000, 8, someSamples);
    CWave wave;
    EXPECT_FALSE(wave.LoadWave(nullptr, 10, memoryImage));
    EXPECT_EQ(wave.GetLastError(), CWE_NULLPTR);
    EXPECT_FALSE(wave.LoadWave(image.data(), 0, memoryImage));
    EXPECT_EQ(wave.GetLastError(), CWE_INVALIDPARAM);
    EXPECT_FALSE(wave.LoadWave(image.data(), -5, memoryImage));
    EXPECT_EQ(wave.GetLastError(), CWE_INVALIDPARAM);
    EXPECT_FALSE(wave.LoadWave(image.data(), static_cast<int>(image.size()), 0x00000001));
    EXPECT_EQ(wave.GetLastError(), CWE_NOTIMPLEMENTED);
    // Either supported option bit on its own is enough.
    CWave first;
    EXPECT_TRUE(first.LoadWave(image.data(), static_cast<int>(image.size()), 0x00000002));
    CWave second;
    EXPECT_TRUE(second.LoadWave(image.data(), static_cast<int>(image.size()), 0x00010000));
}

TEST(CWave, IsLoadedOrOpenedOnceOnly)
{
    const Bytes image = PcmWave(1, 8000, 8, someSamples);
    CWave wave;
    ASSERT_TRUE(Load(wave, image).loaded);
    const LoadOutcome again = Load(wave, PcmWave(2, 44100, 16, {1, 2, 3, 4}));
    EXPECT_FALSE(again.loaded);
    EXPECT_EQ(again.error, CWE_LOADED);
    EXPECT_EQ(wave.GetWaveFormat()->nSamplesPerSec, 8000u);
    EXPECT_EQ(wave.GetWaveSize(), someSamples.size());

    CWave opened;
    ASSERT_TRUE(opened.OpenWaveFile(image.data(), static_cast<int>(image.size()), memoryImage));
    EXPECT_EQ(opened.GetWaveFormat()->nSamplesPerSec, 8000u);
    EXPECT_FALSE(opened.IsLoaded());
    EXPECT_FALSE(opened.OpenWaveFile(image.data(), static_cast<int>(image.size()), memoryImage));
    EXPECT_EQ(opened.GetLastError(), CWE_INVALIDPARAM);
}
