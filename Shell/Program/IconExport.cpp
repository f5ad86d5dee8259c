// Writes the program's icon, compiled into the program with Qt's resource system, to a file for
// the desktop entry: IconExport <output.png>.

#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }
    const QImage icon(QStringLiteral(":/pictures/marrowmere.png"));
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: the program's icon could not be written to %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
