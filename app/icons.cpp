// Writes the main window's icon as the PNGs of the hicolor icon theme, from
// the one picture the window itself shows: icons OUTPUT_DIR SIZE...
// Each size is the 32 x 32 pixel art scaled without smoothing, so every
// pixel stays a crisp square.

#include <QDir>
#include <QImage>

#include <cstdio>

#include "a_icon.xpm"

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    const QImage picture(a_icon);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QImage icon = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString file = output.filePath(QStringLiteral("%1.png").arg(size));
        if (size <= 0 || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
