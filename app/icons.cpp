// SPDX-License-Identifier: MIT
// Writes the main window's icon from the one picture the window itself
// shows, each size the 32 x 32 pixel art scaled without smoothing, so every
// pixel stays a crisp square:
//   qv-icons PICTURE OUTPUT_DIR SIZE...    the PNGs of the hicolor icon theme
//   qv-icons PICTURE --ico FILE SIZE...    one Windows icon file holding each size
// It runs at build time, also under an emulator when cross-compiling, so it
// needs no platform plugin and no image-format plugin: XPM and PNG are built
// into Qt, and an icon file is a small directory of PNG images.

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray png(const QImage& picture, int size)
{
    const QImage icon = picture
                            .convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    return bytes;
}

// ICONDIR, one ICONDIRENTRY per image, then the images; a size of 256 is
// written as 0.
QByteArray iconFile(const QImage& picture, const QList<int>& sizes)
{
    QList<QByteArray> images;
    for (int size : sizes)
        images.append(png(picture, size));
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        stream << quint8(sizes[i]) << quint8(sizes[i]) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
               << quint32(images[i].size()) << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        stream.writeRawData(image.constData(), int(image.size()));
    return out;
}

bool write(const QString& file, const QByteArray& bytes)
{
    QFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool ico = argc > 2 && QByteArray(argv[2]) == "--ico";
    const int first = ico ? 4 : 3;
    QList<int> sizes;
    for (int i = first; i < argc; ++i)
        sizes.append(QByteArray(argv[i]).toInt());
    const auto outOfRange = [](int size) { return size <= 0 || size > 256; };
    const QImage picture = argc > 1 ? QImage(QString::fromLocal8Bit(argv[1])) : QImage();
    if (argc <= first || picture.isNull() || std::any_of(sizes.begin(), sizes.end(), outOfRange)) {
        std::fprintf(stderr, "usage: %s PICTURE OUTPUT_DIR SIZE... | PICTURE --ico FILE SIZE...\n", argv[0]);
        return 2;
    }
    if (ico)
        return write(QString::fromLocal8Bit(argv[3]), iconFile(picture, sizes)) ? 0 : 1;
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int size : sizes) {
        if (!write(output.filePath(QStringLiteral("%1.png").arg(size)), png(picture, size)))
            return 1;
    }
    return 0;
}
