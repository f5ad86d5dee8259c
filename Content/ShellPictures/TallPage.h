#pragma once

#include <QImage>
#include <QString>

#include <functional>

// A tall picture of text and pictures for a scrolling frame (the instruction pages and the
// credits): rich text laid out at the page's width on the house paper ground, as long as it
// needs to be. Pictures are named in the text as <img src="picture:NAME">; `picture` paints
// the one of that name (and throws when there is none).
QImage PaintTallPage(const QString& richText, int width,
                     const std::function<QImage(const QString& name)>& picture = {});
