#pragma once

#include <QImage>
#include <QString>

// Pictures made from the glyphs of the Noto Color Emoji font.
namespace EmojiArt {

// The glyph (one emoji, possibly several code points) scaled to fit a size x size square,
// centred, on a transparent ground (premultiplied ARGB). Results are kept, so asking again
// is cheap. Throws std::runtime_error when the font has no picture for it.
const QImage& Glyph(const QString& emoji, int size);

// The picture with an outline of the given width and colour around everything it covers.
QImage Outlined(const QImage& picture, const QColor& color, int width);

} // namespace EmojiArt
