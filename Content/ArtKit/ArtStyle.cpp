#include "Content/ArtKit/ArtStyle.h"

QFont ArtStyle::TextFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Comic Neue"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString ArtStyle::EmojiFamily()
{
    return QStringLiteral("Noto Color Emoji");
}
