#include "Shell/Preferences/Preferences.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override { ShellTest::ClearUserFiles(); }

    // Writes the settings file by hand, as a player with a text editor would.
    static void HandEdit(const std::string& lines)
    {
        const auto file = ShellTest::ConfigFolder() / "Quillon Games" / "Marrowmere 1.0.conf";
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "[General]\n" << lines;
    }

    static std::string PlayerName()
    {
        char* name = nullptr;
        Preferences::GetDefaultPlayerName(name);
        std::unique_ptr<char[]> owned(name);
        return name;
    }

    static void ExpectDefaults()
    {
        double level = 0.0;
        bool muted = true, music = false, animations = false, firstTime = false;
        Preferences::GetSoundVolume(level, muted);
        Preferences::GetBackgroundMusicActivityState(music);
        Preferences::GetQuiescentAnimationsActivityState(animations);
        Preferences::GetFirstTimeRun(firstTime);
        EXPECT_EQ(level, 1.0) << "a key is looked up with its exact case";
        EXPECT_FALSE(muted);
        EXPECT_TRUE(music);
        EXPECT_TRUE(animations);
        EXPECT_TRUE(firstTime);
    }
};

TEST_F(PreferencesTest, AFreshConfigurationGivesTheDefaults)
{
    ExpectDefaults();
    EXPECT_EQ(PlayerName(), "");
}

TEST_F(PreferencesTest, ValuesAreStoredInTheirTextForms)
{
    for (const auto& [level, text] : {std::pair{0.75, "0.75"}, {1.0, "1"}, {0.07, "0.07"}, {0.5, "0.5"}}) {
        Preferences::SetSoundVolume(level, true);
        EXPECT_EQ(ShellTest::StoredSetting("SoundVolume"), text);
    }
    EXPECT_EQ(ShellTest::StoredSetting("SoundMuted"), "true");
    Preferences::SetBackgroundMusicActivityState(false);
    Preferences::SetQuiescentAnimationsActivityState(true);
    Preferences::SetFirstTimeRun(false);
    EXPECT_EQ(ShellTest::StoredSetting("BackgroundMusic"), "false");
    EXPECT_EQ(ShellTest::StoredSetting("Animations"), "true");
    EXPECT_EQ(ShellTest::StoredSetting("FirstTime"), "false");

    Preferences::SetDefaultPlayerName("Bartholomew Q.");
    EXPECT_EQ(ShellTest::StoredSetting("PlayerName"), "Bartholomew ");
    EXPECT_EQ(PlayerName(), "Bartholomew ");
    Preferences::SetDefaultPlayerName("");
    EXPECT_EQ(PlayerName(), "");

    double level = 0.0;
    bool muted = false;
    Preferences::GetSoundVolume(level, muted);
    EXPECT_EQ(level, 0.5);
    EXPECT_TRUE(muted);
}

TEST_F(PreferencesTest, HandEditedNonsenseFallsBackToTheDefaults)
{
    HandEdit("SoundMuted=TRUE\nBackgroundMusic=no\nAnimations=False\nsoundvolume=0.25\nFirstTime=\n"
             "PlayerName=A name far longer than any buffer\n");
    ExpectDefaults();
    EXPECT_EQ(PlayerName(), "A name far l") << "a text longer than the buffer is cut";
    double level = 0.0;
    bool muted = false;

    for (const auto& [text, expected] : {std::pair{"loud", 1.0}, {"nan", 1.0}, {"-3", 0.0}, {"7", 1.0},
             {"0.5, 0.7", 1.0}, {"0.2500000000000001", 0.25}}) {
        HandEdit(std::string("SoundVolume=") + text + "\n");
        Preferences::GetSoundVolume(level, muted);
        EXPECT_EQ(level, expected) << text;
    }
}

} // namespace
