#include "Shell/Dialogs/PreferencesDialogBox.h"

#include "Core/Sound/Sound.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "Shell/Preferences/Preferences.h"
#include "ui_PreferencesDialogBox.h"

#include <QStyle>

#include <algorithm>
#include <cmath>

std::function<void(bool)> PreferencesDialogBox::backgroundMusicSwitch;

PreferencesDialogBox::PreferencesDialogBox(QWidget* parent, ModelessHost* host)
    : ModelessDialog(parent, host), ui(new Ui::PreferencesDialogBox)
{
    ui->setupUi(this);
    const int pictureSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    ui->quietPicture->setPixmap(style()->standardIcon(QStyle::SP_MediaVolumeMuted).pixmap(pictureSize));
    ui->loudPicture->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(pictureSize));

    bool animations = true;
    bool music = true;
    double volume = 1.0;
    bool muted = false;
    Preferences::GetQuiescentAnimationsActivityState(animations);
    Preferences::GetBackgroundMusicActivityState(music);
    Preferences::GetSoundVolume(volume, muted);
    ui->showAnimations->setChecked(animations);
    ui->backgroundMusic->setChecked(music);
    ui->muted->setChecked(muted);
    ui->volume->setValue(SliderPositionFor(volume));
}

PreferencesDialogBox::~PreferencesDialogBox() = default;

int PreferencesDialogBox::SliderPositionFor(double volume)
{
    if (!std::isfinite(volume))
        return 100;
    // The small allowance keeps a stored 0.29 (28.999... after the multiplication) at 29, so
    // that pressing OK without moving the slider never lowers the volume.
    return static_cast<int>(std::clamp(std::trunc(volume * 100.0 + 1e-7), 0.0, 100.0));
}

void PreferencesDialogBox::accept()
{
    const double volume = ui->volume->value() * 0.01;
    const bool muted = ui->muted->isChecked();
    Sound::ChangeMasterLevel(volume);
    Preferences::SetSoundVolume(volume, muted);
    Sound::SetMuting(muted);

    const bool animations = ui->showAnimations->isChecked();
    Preferences::SetQuiescentAnimationsActivityState(animations);
    QuiescentAnimationAction::SetAnimationsActivityState(animations);

    const bool music = ui->backgroundMusic->isChecked();
    Preferences::SetBackgroundMusicActivityState(music);
    if (backgroundMusicSwitch)
        backgroundMusicSwitch(music);

    Preferences::SetMultitaskingActivityState(true);
    QDialog::accept();
}
