#include "skin_png.h"

#include <QImage>
#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

namespace {

void appendChunk(QByteArray &png, const char type[4], const QByteArray &data)
{
    char length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    png.append(length, 4);
    const int start = png.size();
    png.append(type, 4);
    png.append(data);
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(png.constData() + start), uInt(png.size() - start));
    char sum[4];
    qToBigEndian<quint32>(quint32(crc), sum);
    png.append(sum, 4);
}

} // namespace

bool writeSkinPng(const QImage &image, const QString &path, QString *error)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull()) {
        *error = QStringLiteral("empty image");
        return false;
    }
    const int rowBytes = rgba.width() * 4;
    QByteArray rows;
    rows.reserve((rowBytes + 1) * rgba.height());
    for (int y = 0; y < rgba.height(); ++y) {
        rows.append('\0'); // filter type None
        rows.append(reinterpret_cast<const char *>(rgba.constScanLine(y)), rowBytes);
    }
    QByteArray packed(int(compressBound(uLong(rows.size()))), Qt::Uninitialized);
    uLongf packedSize = uLongf(packed.size());
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize, reinterpret_cast<const Bytef *>(rows.constData()),
                  uLong(rows.size()), Z_BEST_COMPRESSION) != Z_OK) {
        *error = QStringLiteral("compression failed");
        return false;
    }
    packed.truncate(int(packedSize));

    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(rgba.width()), header.data());
    qToBigEndian<quint32>(quint32(rgba.height()), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 6; // RGBA; compression, filter method and interlace stay 0
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", QByteArray());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
