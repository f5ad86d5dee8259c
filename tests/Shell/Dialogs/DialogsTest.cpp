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

namespace {

QString Stored(const char* name)
{
    return QSettings(Preferences::organisationName, Preferences::applicationName).value(name).toString();
}

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

    static QPointer<PreferencesDialogBox> Open() { return new PreferencesDialogBox(nullptr, nullptr); }

    template <typename Control> static Control* Find(QWidget* dialog, const char* name)
    {
        return dialog->findChild<Control*>(name);
    }

    int musicSwitch = -1;
};

TEST_F(PreferencesDialogTest, TheSliderShowsTheStoredVolumeCut)
{
    for (const auto& [stored, position] : {std::pair{"0.255", 25}, {"1.5", 100}, {"0.29", 29}, {"0", 0}}) {
        QSettings(Preferences::organisationName, Preferences::applicationName).setValue("SoundVolume", stored);
        QPointer<PreferencesDialogBox> dialog = Open();
        EXPECT_EQ(Find<QSlider>(dialog, "volume")->value(), position) << stored;
        dialog->accept();
    }
    EXPECT_EQ(Stored("SoundVolume"), "0") << "OK without moving the slider stores its position";
}

TEST_F(PreferencesDialogTest, OkAppliesAndStoresEverySetting)
{
    QPointer<PreferencesDialogBox> dialog = Open();
    Find<QSlider>(dialog, "volume")->setValue(40);
    Find<QCheckBox>(dialog, "muted")->click();
    Find<QCheckBox>(dialog, "backgroundMusic")->click();
    Find<QCheckBox>(dialog, "showAnimations")->click();
    QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "OK ends the window";
    EXPECT_EQ(Stored("SoundVolume"), "0.4");
    EXPECT_EQ(Stored("SoundMuted"), "true");
    EXPECT_EQ(Stored("BackgroundMusic"), "false");
    EXPECT_EQ(Stored("Animations"), "false");
    EXPECT_DOUBLE_EQ(Sound::MasterLevel(), 0.4);
    EXPECT_TRUE(Sound::IsMuted());
    EXPECT_FALSE(QuiescentAnimationAction::AreAnimationsActive());
    EXPECT_EQ(musicSwitch, 0);
}

TEST_F(PreferencesDialogTest, CancelChangesNothing)
{
    QPointer<PreferencesDialogBox> dialog = Open();
    Find<QSlider>(dialog, "volume")->setValue(10);
    for (const char* box : {"muted", "backgroundMusic", "showAnimations"})
        Find<QCheckBox>(dialog, box)->click();
    QTest::mouseClick(Find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(QSettings(Preferences::organisationName, Preferences::applicationName).allKeys().isEmpty());
    EXPECT_DOUBLE_EQ(Sound::MasterLevel(), 1.0);
    EXPECT_FALSE(Sound::IsMuted());
    EXPECT_TRUE(QuiescentAnimationAction::AreAnimationsActive());
    EXPECT_EQ(musicSwitch, -1);
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
    EXPECT_EQ(ask([](QWidget* d) { d->close(); }), 2);
}

} // namespace
