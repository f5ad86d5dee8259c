#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

// What the window shell's pictures add to the builder's house style (ArtKit): the title
// lettering, the wood of the television and signposts, and emoji placed by their corner.
namespace ShellPictureStyle {

inline const QColor woodLight{176, 122, 72};
inline const QColor woodDark{108, 68, 38};
inline const QColor night{24, 30, 64};

// The game's name (or another title) in warm outlined letters with a soft shadow, centred.
void DrawTitle(QPainter& painter, const QRectF& box, int pixelSize, const QString& text = "Marrowmere");

// The emoji in a size x size square whose top-left corner is at the point, mirrored if asked
// (emoji face left; mirrored ones face right).
void DrawGlyph(QPainter& painter, const QString& emoji, QPointF topLeft, int size, bool mirrored = false);

// A picture of the given size filled with one colour, ready to paint on.
QImage Canvas(int width, int height, const QColor& fill);

} // namespace ShellPictureStyle
