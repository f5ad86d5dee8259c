#include "Shell/Preferences/Preferences.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"

#include <QSettings>

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
        const std::filesystem::path file
            = QSettings(Preferences::organisationName, Preferences::applicationName).fileName().toStdString();
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

    // Volume, muted, music, animations, first run: as one text.
    static std::string Switches()
    {
        double level = 0.0;
        bool muted = true, music = false, animations = false, firstTime = false;
        Preferences::GetSoundVolume(level, muted);
        Preferences::GetBackgroundMusicActivityState(music);
        Preferences::GetQuiescentAnimationsActivityState(animations);
        Preferences::GetFirstTimeRun(firstTime);
        return std::to_string(level) + " " + std::to_string(muted) + std::to_string(music) + std::to_string(animations)
            + std::to_string(firstTime);
    }
};

TEST_F(PreferencesTest, AMissingOrHandEditedNonsenseSettingGivesItsDefault)
{
    const std::string defaults = "1.000000 0111";
    EXPECT_EQ(Switches(), defaults) << "a fresh configuration";
    EXPECT_EQ(PlayerName(), "");
    HandEdit("SoundMuted=TRUE\nBackgroundMusic=no\nAnimations=False\nsoundvolume=0.25\nFirstTime=\n"
             "PlayerName=A name far longer than any buffer\n");
    EXPECT_EQ(Switches(), defaults) << "values and keys are matched with their exact case";
    EXPECT_EQ(PlayerName(), "A name far l") << "a text longer than the buffer is cut";
    char buffer[8];
    EXPECT_FALSE(Preferences::FindValue("PlayerName", 11, buffer, 0)) << "no room for even the terminating zero";
    EXPECT_FALSE(Preferences::FindValue("PlayerName", 11, nullptr, 8)) << "no buffer";

    double level = 0.0;
    bool muted = false;
    for (const auto& [text, expected] : {std::pair{"loud", 1.0}, {"nan", 1.0}, {"-3", 0.0}, {"7", 1.0},
             {"0.5, 0.7", 1.0}, {"0.2500000000000001", 0.25}}) {
        HandEdit(std::string("SoundVolume=") + text + "\n");
        Preferences::GetSoundVolume(level, muted);
        EXPECT_EQ(level, expected) << text;
    }
}

TEST_F(PreferencesTest, ValuesAreStoredInTheirTextFormsAndReadBack)
{
    for (const auto& [level, text] : {std::pair{0.75, "0.75"}, {1.0, "1"}, {0.07, "0.07"}, {0.5, "0.5"}}) {
        Preferences::SetSoundVolume(level, true);
        EXPECT_EQ(ShellTest::StoredSetting("SoundVolume"), text);
    }
    Preferences::SetBackgroundMusicActivityState(false);
    Preferences::SetQuiescentAnimationsActivityState(true);
    Preferences::SetFirstTimeRun(false);
    for (const auto& [key, text] : {std::pair{"SoundMuted", "true"}, {"BackgroundMusic", "false"},
             {"Animations", "true"}, {"FirstTime", "false"}})
        EXPECT_EQ(ShellTest::StoredSetting(key), text) << key;
    EXPECT_EQ(Switches(), "0.500000 1010");

    Preferences::SetDefaultPlayerName("Bartholomew Q.");
    EXPECT_EQ(ShellTest::StoredSetting("PlayerName"), "Bartholomew ");
    EXPECT_EQ(PlayerName(), "Bartholomew ");
    Preferences::SetDefaultPlayerName("");
    EXPECT_EQ(PlayerName(), "");
}

} // namespace
