#pragma once

#include "Shell/Dialogs/ModelessDialog.h"

#include <functional>
#include <memory>

namespace Ui { class PreferencesDialogBox; }

// The modeless "Preferences" window: sound volume and muting, background music and the
// animations between turns. OK applies the settings to the running program and stores them;
// Cancel and the close box change nothing.
class PreferencesDialogBox : public ModelessDialog {
public:
    // Where the music switch takes effect: the game loop reads it when the next game starts.
    // The application installs it at start-up; without it the switch is only stored.
    static std::function<void(bool)> backgroundMusicSwitch;

    PreferencesDialogBox(QWidget* parent, ModelessHost* host);
    ~PreferencesDialogBox() override;

    // The slider's position for a stored volume: volume x 100 cut to a whole number, 0 to 100.
    static int SliderPositionFor(double volume);

    void accept() override;

private:
    std::unique_ptr<Ui::PreferencesDialogBox> ui;
};
