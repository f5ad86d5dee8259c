#pragma once

#include <QDialog>

class ModelessHost;

// A modeless dialog of the shell: it tells its host when it comes up and when it goes, and it
// deletes itself when closed (Escape or the close box).
class ModelessDialog : public QDialog {
public:
    ModelessDialog(QWidget* parent, ModelessHost* host);
    ~ModelessDialog() override;

    // Puts an open window in front and gives it the focus.
    void BringForward();

protected:
    ModelessHost* Host() const { return host; }

private:
    ModelessHost* host;
};
