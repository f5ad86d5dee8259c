#include "Content/Narration/Narrator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace {

double Seconds(const Signal::Samples& samples)
{
    return static_cast<double>(samples.size()) / Signal::sampleRate;
}

double Peak(const Signal::Samples& samples)
{
    double peak = 0.0;
    for (float sample : samples) {
        peak = std::max(peak, std::fabs(static_cast<double>(sample)));
    }
    return peak;
}

void ExpectFinishedSpeech(const Signal::Samples& narration, double shortest, double longest)
{
    EXPECT_GT(Seconds(narration), shortest);
    EXPECT_LT(Seconds(narration), longest);
    EXPECT_NEAR(Peak(narration), 0.8, 0.001);
    EXPECT_LT(std::fabs(narration.front()), 0.01);
    EXPECT_LT(std::fabs(narration.back()), 0.01);
}

}  // namespace

TEST(NarratorTest, SpeaksEveryTextInOrderAtTheGameRate)
{
    const Narrator narrator("");
    ASSERT_TRUE(narrator.UsesFestival()) << "Festival and festvox-us-slt-hts are build dependencies";
    const auto narrations = narrator.Speak({"Hello.", "Grazers eat cannibals, and grass too.", "Yes \"quoted\"."}, 2);
    ASSERT_EQ(narrations.size(), 3u);
    ExpectFinishedSpeech(narrations[0], 0.3, 2.0);
    ExpectFinishedSpeech(narrations[1], 1.5, 5.0);
    ExpectFinishedSpeech(narrations[2], 0.3, 3.0);
    EXPECT_GT(narrations[1].size(), 2 * narrations[0].size());
}

TEST(NarratorTest, FallsBackToEspeakAndSaysSoWhenFestivalIsMissing)
{
    // A search path that holds espeak-ng and nothing else.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("marrowmere-path-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink("/usr/bin/espeak-ng", folder / "espeak-ng");
    const std::string oldPath = std::getenv("PATH");
    setenv("PATH", folder.c_str(), 1);
    const Narrator narrator("");
    testing::internal::CaptureStderr();
    const auto narrations = narrator.Speak({"Grazers eat grass."}, 2);
    const std::string warning = testing::internal::GetCapturedStderr();
    setenv("PATH", oldPath.c_str(), 1);
    std::filesystem::remove_all(folder);

    EXPECT_FALSE(narrator.UsesFestival());
    EXPECT_NE(warning.find("espeak-ng"), std::string::npos);
    ASSERT_EQ(narrations.size(), 1u);
    ExpectFinishedSpeech(narrations[0], 0.5, 4.0);
}
