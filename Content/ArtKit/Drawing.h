#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// Drawn elements in the house style (ArtStyle): panels, buttons, words and arrow marks.
namespace Drawing {

// A rounded panel: fill, ink outline and a soft shade along its bottom edge.
void Panel(QPainter& painter, const QRectF& rectangle, const QColor& fill, double radius = 8.0);

// Words centred (or aligned by `alignment`) in the rectangle, with an ink outline of
// `outline` pixels (0 for none) so they read on any ground.
void Words(QPainter& painter, const QRectF& rectangle, const QString& text, int pixelSize, const QColor& fill,
           double outline = 0.0, int alignment = Qt::AlignCenter, bool bold = true);

// A solid arrow head pointing along `angleDegrees` (0 points right, 90 points down), its tip
// at `tip`, `length` long and `width` wide, with an ink outline.
void ArrowHead(QPainter& painter, QPointF tip, double angleDegrees, double length, double width, const QColor& fill);

// A pointing arrow with a shaft (for pointers and arrow cursors), tip at `tip`.
void PointingArrow(QPainter& painter, QPointF tip, double angleDegrees, double length, double width,
                   const QColor& fill);

} // namespace Drawing
