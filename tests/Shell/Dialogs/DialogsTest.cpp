#include "Core/Sound/Sound.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "Shell/Dialogs/MMMessageDialog.h"
#include "Shell/Dialogs/PreferencesDialogBox.h"
#include "Shell/Preferences/Preferences.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

class PreferencesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTest::ClearUserFiles();
        Sound::ChangeMasterLevel(1.0);
        Sound::SetMuting(false);
        QuiescentAnimationAction::SetAnimationsActivityState(true);
        PreferencesDialogBox::backgroundMusicSwitch = [this](bool on) { musicSwitch = on ? 1 : 0; };
    }

    int musicSwitch = -1;
};

TEST_F(PreferencesDialogTest, TheSliderShowsTheStoredVolumeCut)
{
    for (const auto& [stored, position] : {std::pair{"0.255", 25}, {"1.5", 100}, {"0.29", 29}, {"0", 0}}) {
        QSettings(Preferences::organisationName, Preferences::applicationName).setValue("SoundVolume", stored);
        QPointer<PreferencesDialogBox> dialog = new PreferencesDialogBox(nullptr, nullptr);
        EXPECT_EQ(dialog->findChild<QSlider*>("volume")->value(), position) << stored;
        dialog->accept();
    }
    EXPECT_EQ(ShellTest::StoredSetting("SoundVolume"), "0") << "OK without moving the slider stores its position";
}

TEST_F(PreferencesDialogTest, OkAppliesAndStoresEverySettingAndCancelChangesNothing)
{
    for (const char* button : {"cancelButton", "okButton"}) {
        QPointer<PreferencesDialogBox> dialog = new PreferencesDialogBox(nullptr, nullptr);
        dialog->findChild<QSlider*>("volume")->setValue(40);
        for (const char* box : {"muted", "backgroundMusic", "showAnimations"})
            dialog->findChild<QCheckBox*>(box)->click();
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull()) << button << " ends the window";
        const bool ok = std::string(button) == "okButton";
        EXPECT_EQ(QSettings(Preferences::organisationName, Preferences::applicationName).allKeys().isEmpty(), !ok);
        EXPECT_DOUBLE_EQ(Sound::MasterLevel(), ok ? 0.4 : 1.0);
        EXPECT_EQ(Sound::IsMuted(), ok);
        EXPECT_EQ(QuiescentAnimationAction::AreAnimationsActive(), !ok);
        EXPECT_EQ(musicSwitch, ok ? 0 : -1);
    }
    EXPECT_EQ(ShellTest::StoredSetting("SoundVolume"), "0.4");
    EXPECT_EQ(ShellTest::StoredSetting("SoundMuted"), "true");
    EXPECT_EQ(ShellTest::StoredSetting("BackgroundMusic"), "false");
    EXPECT_EQ(ShellTest::StoredSetting("Animations"), "false");
}

TEST(MessageDialogTest, AnswersOneForTheFirstButtonAndTwoOtherwise)
{
    ShellTest::EnsureApplication();
    const auto ask = [](std::function<void(QWidget*)> answer) {
        QString texts;
        ShellTest::AnswerNextModal([&texts, answer](QWidget* dialog) {
            texts = dialog->windowTitle() + "|" + dialog->findChild<QLabel*>("message")->text() + "|"
                + dialog->findChild<QPushButton*>("okButton")->text();
            answer(dialog);
        });
        const int result = mmMessageBox("Caption", "The question?", "Yes", nullptr);
        EXPECT_EQ(texts, "Caption|The question?|Yes");
        return result;
    };
    EXPECT_EQ(ask([](QWidget* d) { d->findChild<QPushButton*>("okButton")->click(); }), 1);
    EXPECT_EQ(ask([](QWidget* d) { d->findChild<QPushButton*>("cancelButton")->click(); }), 2);
    EXPECT_EQ(ask([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }), 2);
}

} // namespace
