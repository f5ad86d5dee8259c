#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// The marsh that the shell's pictures are set in: a sky, two rows of hills, the mere with a
// few ripples and a grassy bank, painted into any rectangle.
struct Scenery {
    QColor skyTop, skyBottom, hills, farHills, water, bank;
    bool starry = false;

    // waterTop and bankTop are fractions of the rectangle's height where the mere and the
    // bank begin (bankTop 1 leaves the bank out).
    void Paint(QPainter& painter, const QRectF& area, double waterTop, double bankTop) const;
};
