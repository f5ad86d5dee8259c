#include "Core/Wave/Wave.h"

#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace WaveImages;

namespace {

// An open reader with its format block, closed and freed at the end of the test. The reader
// reads the image in place, so the image must outlive it.
struct OpenWave {
    explicit OpenWave(const Bytes& image)
    {
        result = WaveOpenMemFile(image.data(), static_cast<long>(image.size()), &reader, &format, &riff);
    }
    ~OpenWave()
    {
        WaveCloseReader(reader);
        std::free(format);
    }
    int result = -1;
    HMMIO reader = nullptr;
    WAVEFORMATEX* format = nullptr;
    MMCKINFO riff{};
};

const Bytes samples = {10, 20, 30, 40, 50, 60, 70};

} // namespace

TEST(WaveReader, FailedOpeningLeavesNothingOpen)
{
    OpenWave nullImage(Bytes{});
    EXPECT_EQ(nullImage.result, waveReaderCannotOpen);
    EXPECT_EQ(nullImage.reader, nullptr);
    EXPECT_EQ(nullImage.format, nullptr);

    Bytes shortFormat = CommonFormat(1, 1, 8000, 1, 8);
    shortFormat.resize(14);
    OpenWave notWave(RiffImage("WAVE", {Chunk("fmt ", shortFormat)}));
    EXPECT_EQ(notWave.result, waveReaderNotWave);
    EXPECT_EQ(notWave.reader, nullptr);
    EXPECT_EQ(notWave.format, nullptr);
}

TEST(WaveReader, OpensTheRiffChunkAndReadsTheDataChunkPieceByPieceWithinItsSize)
{
    const Bytes image = PcmWave(1, 11025, 8, samples);
    OpenWave wave(image);
    ASSERT_EQ(wave.result, 0);
    EXPECT_EQ(wave.riff.fccType, MakeFourCC('W', 'A', 'V', 'E'));
    EXPECT_EQ(wave.riff.cksize, image.size() - 8);
    EXPECT_EQ(wave.riff.dwDataOffset, 8u);
    EXPECT_EQ(wave.format->nSamplesPerSec, 11025u);
    MMCKINFO data{};
    ASSERT_EQ(WaveStartDataRead(&wave.reader, &data, &wave.riff), 0);
    EXPECT_EQ(data.cksize, samples.size());

    std::vector<unsigned char> destination(16, 0xEE);
    unsigned read = 99;
    ASSERT_EQ(WaveReadFile(wave.reader, 3, destination.data(), &data, &read), 0);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(data.cksize, samples.size() - 3);
    // Asking for more than is left gives what is left, and nothing is written beyond it.
    ASSERT_EQ(WaveReadFile(wave.reader, 100, destination.data() + 3, &data, &read), 0);
    EXPECT_EQ(read, samples.size() - 3);
    EXPECT_EQ(data.cksize, 0u);
    EXPECT_EQ(Bytes(destination.begin(), destination.begin() + 7), samples);
    EXPECT_EQ(destination[7], 0xEE);
}

TEST(WaveReader, LoadingTheDataGivesAnExactCopyAndAnEmptyChunkNoSamples)
{
    for (const Bytes& expected : {samples, Bytes{}}) {
        const Bytes image = PcmWave(1, 8000, 8, expected);
        OpenWave wave(image);
        ASSERT_EQ(wave.result, 0);
        unsigned size = 99;
        unsigned char* data = nullptr;
        ASSERT_EQ(WaveLoadFromOpenFile(&wave.reader, &size, &wave.riff, &data), 0);
        EXPECT_EQ(size, expected.size());
        if (size > 0) {
            EXPECT_EQ(Bytes(data, data + size), expected);
        }
        std::free(data);
    }
}
