// Wave images come from files a user can replace. Whatever the bytes, loading must never read
// outside the image (the sanitizer build checks every access) and must either fail cleanly or
// deliver samples that lie inside the image.
#include "Core/Wave/CWave.h"

#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

using namespace WaveImages;

namespace {

constexpr unsigned long memoryImage = 0x00010002;

// Loads `image` from a heap block of exactly its size, so that a read past its end is caught.
bool LoadExactly(const Bytes& image, CWave& wave)
{
    auto block = std::make_unique<unsigned char[]>(std::max<std::size_t>(image.size(), 1));
    std::copy(image.begin(), image.end(), block.get());
    const bool loaded = wave.LoadWave(block.get(), static_cast<int>(image.size()), memoryImage);
    if (loaded) {
        // The samples are a copy of bytes of the image.
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

Bytes CompressedWave()
{
    Bytes format = CommonFormat(0x11, 1, 22050, 256, 4);
    Append16(format, 2);
    Append16(format, 505);
    return RiffImage("WAVE", {Chunk("fmt ", format), Chunk("fact", {1, 0, 0, 0}), Chunk("data", Bytes(300, 0x5A))});
}

} // namespace

TEST(WaveRobustness, EveryTruncationOfAWaveFailsCleanly)
{
    for (const Bytes& whole : {PcmWave(1, 8000, 8, Bytes(40, 0x80)), CompressedWave()}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            CWave wave;
            EXPECT_FALSE(LoadExactly(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)), wave))
                << "prefix of " << length << " bytes";
        }
        CWave wave;
        EXPECT_TRUE(LoadExactly(whole, wave));
    }
}

// Random images (most with a plausible start, so that the deeper parsing is reached) and waves
// with a few bytes changed. Most changes hit samples, which load as they are: the parser is not
// simply refusing everything.
TEST(WaveRobustness, RandomAndMutatedImagesNeverReadOutside)
{
    std::mt19937 random(20261207);
    const Bytes originals[] = {PcmWave(2, 22050, 16, Bytes(64, 3)), CompressedWave()};
    int loadedCount = 0;
    for (int round = 0; round < 6000; ++round) {
        Bytes image;
        if (round % 2 == 0) {
            image.resize(random() % 200);
            for (auto& byte : image) {
                byte = static_cast<std::uint8_t>(random());
            }
            if (round % 8 != 0 && image.size() >= 12) {
                std::copy_n("RIFF", 4, image.begin());
                std::copy_n("WAVE", 4, image.begin() + 8);
            }
        } else {
            image = originals[round / 2 % 2];
            for (int i = 1 + static_cast<int>(random() % 4); i > 0; --i) {
                image[random() % image.size()] = static_cast<std::uint8_t>(random());
            }
        }
        CWave wave;
        loadedCount += LoadExactly(image, wave) && round % 2 == 1 ? 1 : 0;
    }
    EXPECT_GT(loadedCount, 100);
}
