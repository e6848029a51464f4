#include "ui/kit/skin_images.h"

#include <QHash>
#include <QPainter>

QPixmap skinImage(const QString &path)
{
    // Not QPixmapCache: it looks at the file's time on every hit, and a window asks for its
    // button images over a thousand times while it is built.
    static QHash<QString, QPixmap> images;
    auto found = images.constFind(path);
    if (found == images.cend())
        found = images.insert(path, QPixmap(path));
    return *found;
}

QImage skinPicture(const QString &path)
{
    static QHash<QString, QImage> pictures;
    auto found = pictures.constFind(path);
    if (found == pictures.cend())
        found = pictures.insert(path, QImage(path));
    return *found;
}

void drawSkinPicture(QPainter &painter, const QImage &picture, const QRegion &exposed)
{
    if (picture.format() != QImage::Format_Indexed8) {
        for (const QRect &r : exposed)
            painter.drawImage(r.topLeft(), picture, r);
        return;
    }
    // Every index has an entry: one past the palette draws nothing.
    QRgb table[256] = {};
    const QVector<QRgb> colours = picture.colorTable();
    for (int i = 0; i < colours.size() && i < 256; ++i)
        table[i] = qPremultiply(colours[i]);
    for (const QRect &wanted : exposed) {
        const QRect r = wanted & picture.rect();
        if (r.isEmpty())
            continue;
        QImage part(r.size(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < r.height(); ++y) {
            const uchar *from = picture.constScanLine(r.y() + y) + r.x();
            auto *to = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < r.width(); ++x)
                to[x] = table[from[x]];
        }
        painter.drawImage(r.topLeft(), part);
    }
}
