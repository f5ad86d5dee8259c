#pragma once

#include <QImage>
#include <QObject>

class QLabel;
class QScrollBar;
class QWidget;

// A tall picture from mm_res shown in a fixed frame and scrolled with a vertical scroll bar
// beside it: two pixels a line, the frame's height a page, clamped to the picture. Not a widget
// of its own: it drives the frame and scroll bar of the page or dialog that owns it.
class CBitmapScrollView : public QObject {
public:
    // Loads the picture, sizes the frame to its width and the given height, puts the scroll bar
    // directly right of it and shows the top. A missing picture gives the message "Load Image
    // Failed" and an empty frame; the result says whether the picture was there.
    bool Init(QWidget* parentDialog, const char* bitmapName, QLabel* frame, QScrollBar* scrollBar, int height);

    // The picture row shown at the frame's top.
    int SourceY() const { return m_sourcey; }
    const QImage& Picture() const { return m_picture; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }

private:
    void ShowFrom(int sourceY);

    QLabel* m_frame = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QImage m_picture;
    int m_sourcey = 0;
    int m_height = 0;
    bool m_inited = false;
};
