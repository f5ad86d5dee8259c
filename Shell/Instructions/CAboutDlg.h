#pragma once

#include "Shell/Instructions/CBitmapScrollView.h"

#include <QDialog>

#include <memory>

namespace Ui { class CAboutDlg; }

// The modal About box: the logo above the scrolling credits picture.
class CAboutDlg : public QDialog {
public:
    static constexpr int creditsHeight = 200;

    explicit CAboutDlg(QWidget* parent);
    ~CAboutDlg() override;

private:
    std::unique_ptr<Ui::CAboutDlg> ui;
    CBitmapScrollView m_bitmapScrollView;
};
