#pragma once

class QWidget;
struct _tagStatsRecord;

// The window that owns the shell's modeless dialogs. It counts the dialogs that are up, forgets
// a dialog when it goes, and keeps the one statistics window.
class ModelessHost {
public:
    virtual ~ModelessHost() = default;
    // One more dialog is up (true) or one went down (false); the count never drops below 0.
    virtual void ModelessUp(bool up) = 0;
    // The dialog is being destroyed; the host drops its pointer to it.
    virtual void ModelessGone(QWidget* dialog) = 0;
    // Shows these figures in a new statistics window, or only brings the open one forward.
    virtual void ShowStatistics(const _tagStatsRecord& statistics) = 0;
};
