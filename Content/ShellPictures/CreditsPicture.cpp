#include "Content/ShellPictures/CreditsPicture.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ShellPictures/ShellCreatures.h"
#include "Content/ShellPictures/ShellPictureStyle.h"
#include "Content/ShellPictures/TallPage.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <stdexcept>

namespace {

constexpr int width = 300;

QImage CastRow()
{
    QImage row(264, 60, QImage::Format_ARGB32_Premultiplied);
    row.fill(ArtStyle::paper);
    QPainter painter(&row);
    for (int species = 0; species < 4; ++species) {
        ShellPictureStyle::DrawGlyph(painter, shellCreatures[species].Emoji(), QPointF(6 + species * 66, 4), 52);
    }
    return row;
}

bool IsUnderline(const QString& line)
{
    static const QRegularExpression underline(QStringLiteral("^\\s*(=+|-+)\\s*$"));
    return underline.match(line).hasMatch();
}

// One entry, centred, with its name (the words before the first parenthesis or comma) in bold.
QString Entry(const QString& text)
{
    const qsizetype nameEnd = text.indexOf(QRegularExpression(QStringLiteral("[(,]")));
    const QString name = nameEnd > 0 ? text.left(nameEnd) : QString();
    const QString rest = nameEnd > 0 ? text.mid(nameEnd) : text;
    return QStringLiteral("<p class=\"small\" align=\"center\"><b>%1</b>%2</p>")
        .arg(name.toHtmlEscaped(), rest.toHtmlEscaped());
}

// The CREDITS text as rich text: underlined lines become headings, "- " lines start entries,
// and the lines that follow a heading, an entry or a paragraph run on into it.
QString CreditsToHtml(const QString& credits)
{
    const QStringList lines = credits.split('\n');
    QString html;
    QString pending;
    bool pendingIsEntry = false;
    const auto flush = [&] {
        if (!pending.isEmpty()) {
            html += pendingIsEntry ? Entry(pending)
                                   : QStringLiteral("<p class=\"small\" align=\"center\">%1</p>").arg(pending.toHtmlEscaped());
        }
        pending.clear();
        pendingIsEntry = false;
    };
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (index + 1 < lines.size() && !line.isEmpty() && IsUnderline(lines[index + 1])) {
            flush();
            html += QStringLiteral("<h2 align=\"center\">%1</h2>").arg(line.toHtmlEscaped());
            ++index;
        } else if (line.isEmpty()) {
            flush();
        } else if (line.startsWith(QLatin1String("- "))) {
            flush();
            pending = line.mid(2);
            pendingIsEntry = true;
        } else {
            pending += (pending.isEmpty() ? QString() : QStringLiteral(" ")) + line;
        }
    }
    flush();
    return html;
}

} // namespace

QImage CreditsPicture(const std::filesystem::path& creditsFile)
{
    QFile file(QString::fromStdString(creditsFile.string()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw std::runtime_error("cannot read " + creditsFile.string());
    }
    const QString credits = QString::fromUtf8(file.readAll());

    QString html = QStringLiteral("<h1 align=\"center\">Marrowmere</h1>"
                                  "<p align=\"center\">A puzzle of the mere<br>by Quillon Games</p>"
                                  "<p align=\"center\"><img src=\"picture:cast\"></p>");
    html += CreditsToHtml(credits);
    html += QStringLiteral("<p align=\"center\"><br><b>Thank you for playing!</b><br><br></p>");
    return PaintTallPage(html, width, [](const QString& name) {
        if (name != QLatin1String("cast")) {
            throw std::runtime_error("the credits have no picture named " + name.toStdString());
        }
        return CastRow();
    });
}
