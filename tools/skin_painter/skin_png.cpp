#include "skin_png.h"

#include <QHash>
#include <QImage>
#include <QSaveFile>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <utility>

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

// Pixels as unpremultiplied RGBA words, in the byte order PNG stores them.
QImage rgbaOf(const QImage &image) { return image.convertToFormat(QImage::Format_RGBA8888); }

quint32 pixelAt(const QImage &rgba, int x, int y)
{
    return reinterpret_cast<const quint32 *>(rgba.constScanLine(y))[x];
}

// The colours with their pixel counts, commonest first (ties in first-seen order).
QVector<std::pair<quint32, int>> coloursOf(const QImage &rgba)
{
    QHash<quint32, int> index;
    QVector<std::pair<quint32, int>> colours;
    for (int y = 0; y < rgba.height(); ++y) {
        for (int x = 0; x < rgba.width(); ++x) {
            const quint32 pixel = pixelAt(rgba, x, y);
            auto found = index.find(pixel);
            if (found == index.end()) {
                index.insert(pixel, colours.size());
                colours.append({pixel, 1});
            } else {
                ++colours[*found].second;
            }
        }
    }
    std::stable_sort(colours.begin(), colours.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    return colours;
}

int distance(quint32 a, quint32 b)
{
    int sum = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

bool deflateRows(const QByteArray &rows, QByteArray *packed)
{
    packed->resize(int(compressBound(uLong(rows.size()))));
    uLongf packedSize = uLongf(packed->size());
    if (compress2(reinterpret_cast<Bytef *>(packed->data()), &packedSize, reinterpret_cast<const Bytef *>(rows.constData()),
                  uLong(rows.size()), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    packed->truncate(int(packedSize));
    return true;
}

} // namespace

QImage limitColours(const QImage &image, int count)
{
    const QImage rgba = rgbaOf(image);
    const auto colours = coloursOf(rgba);
    if (colours.size() <= count)
        return image;
    QHash<quint32, quint32> replacement;
    for (int i = count; i < colours.size(); ++i) {
        int best = 0;
        for (int k = 1; k < count; ++k) {
            if (distance(colours[i].first, colours[k].first) < distance(colours[i].first, colours[best].first))
                best = k;
        }
        replacement.insert(colours[i].first, colours[best].first);
    }
    QImage limited = rgba;
    for (int y = 0; y < limited.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(limited.scanLine(y));
        for (int x = 0; x < limited.width(); ++x)
            line[x] = replacement.value(line[x], line[x]);
    }
    return limited;
}

bool writeSkinPng(const QImage &image, const QString &path, QString *error)
{
    const QImage rgba = rgbaOf(image);
    if (rgba.isNull()) {
        *error = QStringLiteral("empty image");
        return false;
    }
    const auto colours = coloursOf(rgba);
    const bool palette = colours.size() <= 256;
    QByteArray rows;
    QByteArray entries;
    QByteArray alphas;
    if (palette) {
        // Translucent colours first, so the alpha table stops at the last of them.
        QVector<quint32> order;
        for (const auto &colour : colours)
            order.append(colour.first);
        std::stable_partition(order.begin(), order.end(), [](const quint32 &pixel) { return reinterpret_cast<const uchar *>(&pixel)[3] != 0xFF; });
        QHash<quint32, char> indexOf;
        for (int i = 0; i < order.size(); ++i) {
            const auto *bytes = reinterpret_cast<const char *>(&order[i]);
            entries.append(bytes, 3);
            if (uchar(bytes[3]) != 0xFF)
                alphas.append(bytes[3]);
            indexOf.insert(order[i], char(i));
        }
        rows.reserve((rgba.width() + 1) * rgba.height());
        for (int y = 0; y < rgba.height(); ++y) {
            rows.append('\0'); // filter type None
            for (int x = 0; x < rgba.width(); ++x)
                rows.append(indexOf.value(pixelAt(rgba, x, y)));
        }
    } else {
        const int rowBytes = rgba.width() * 4;
        rows.reserve((rowBytes + 1) * rgba.height());
        for (int y = 0; y < rgba.height(); ++y) {
            rows.append('\0');
            rows.append(reinterpret_cast<const char *>(rgba.constScanLine(y)), rowBytes);
        }
    }
    QByteArray packed;
    if (!deflateRows(rows, &packed)) {
        *error = QStringLiteral("compression failed");
        return false;
    }

    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(rgba.width()), header.data());
    qToBigEndian<quint32>(quint32(rgba.height()), header.data() + 4);
    header[8] = 8;                // bits per sample or index
    header[9] = palette ? 3 : 6;  // palette or RGBA; compression, filter method and interlace stay 0
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (palette) {
        appendChunk(png, "PLTE", entries);
        if (!alphas.isEmpty())
            appendChunk(png, "tRNS", alphas);
    }
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", QByteArray());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
