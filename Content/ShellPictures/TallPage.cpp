#include "Content/ShellPictures/TallPage.h"

#include "Content/ArtKit/ArtStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cmath>
#include <stdexcept>

namespace {

constexpr int margin = 12;

QString StyleSheet()
{
    const QString ink = ArtStyle::ink.name();
    return QStringLiteral("h1 { font-size: 26px; color: %1; margin-bottom: 4px; }"
                          "h2 { font-size: 19px; color: %2; margin-top: 14px; margin-bottom: 2px; }"
                          "p, li { font-size: 15px; color: %1; margin-bottom: 6px; }"
                          "b { color: %1; }"
                          ".small { font-size: 13px; }"
                          ".note { color: %3; }")
        .arg(ink, QColor(22, 100, 112).name(), QColor(120, 70, 20).name());
}

} // namespace

QImage PaintTallPage(const QString& richText, int width, const std::function<QImage(const QString& name)>& picture)
{
    QTextDocument document;
    document.setDocumentMargin(margin);
    document.setDefaultFont(ArtStyle::TextFont(15));
    document.setDefaultStyleSheet(StyleSheet());
    const QRegularExpression pictureName(QStringLiteral("src=\"picture:([A-Za-z0-9_-]+)\""));
    for (auto match = pictureName.globalMatch(richText); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (!picture) {
            throw std::runtime_error("a page names a picture but has none to show: " + name.toStdString());
        }
        const QImage image = picture(name);
        if (image.width() > width - 2 * margin) {
            throw std::runtime_error("the picture " + name.toStdString() + " is wider than its page");
        }
        document.addResource(QTextDocument::ImageResource, QUrl("picture:" + name), image);
    }
    document.setHtml(richText);
    document.setTextWidth(width);
    const int height = static_cast<int>(std::ceil(document.size().height()));

    QImage page(width, height, QImage::Format_ARGB32_Premultiplied);
    page.fill(ArtStyle::paper);
    QPainter painter(&page);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, ArtStyle::ink);
    document.documentLayout()->draw(&painter, context);
    return page;
}
