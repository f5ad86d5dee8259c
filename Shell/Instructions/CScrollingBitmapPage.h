#pragma once

#include "Shell/Instructions/CBitmapScrollView.h"

#include <QWidget>

#include <memory>
#include <string>

namespace Ui { class CScrollingBitmapPage; }

// One page of the instructions: its tall picture in a 300-pixel frame with a scroll bar.
class CScrollingBitmapPage : public QWidget {
public:
    static constexpr int frameHeight = 300;

    CScrollingBitmapPage(QWidget* parent, const char* bitmapName);
    ~CScrollingBitmapPage() override;

    const CBitmapScrollView& View() const { return m_bitmapScrollView; }

private:
    std::unique_ptr<Ui::CScrollingBitmapPage> ui;
    std::string m_bitmapName;
    CBitmapScrollView m_bitmapScrollView;
};
