#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui { class MMMessageDialog; }

// The program's own question box: a caption, a message, two freely labelled buttons and the
// caution picture (its pure red parts see-through).
class MMMessageDialog : public QDialog {
public:
    static constexpr int confirmed = 1;
    static constexpr int cancelled = 2;

    explicit MMMessageDialog(QWidget* parent = nullptr);
    ~MMMessageDialog() override;

    // A null argument leaves its text empty; both buttons show even with an empty text.
    void SetMessage(const char* pCaption, const char* pMessage, const char* pOkButton, const char* pCancelButton);
    // Shows the dialog modally: 1 for the first button, 2 for the second, Escape or the close box.
    int Ask();

private:
    std::unique_ptr<Ui::MMMessageDialog> ui;
};

// Asks the question modally over the active window; 1 when confirmed, 2 when cancelled.
int mmMessageBox(const char* pCaption, const char* pMessage, const char* pOkButton, const char* pCancelButton);
