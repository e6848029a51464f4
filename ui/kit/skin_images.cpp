#include "ui/kit/skin_images.h"

#include <QBitmap>
#include <QHash>
#include <QPainter>
#include <QSet>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// What a prefetch has decoded for the GUI thread, and which paths are spoken for: one being
// decoded is waited for, one already asked for is not decoded twice.
struct Prefetched {
    std::mutex mutex;
    std::condition_variable decodedOne;
    QHash<QString, QImage> ready;
    QSet<QString> inFlight;
    QSet<QString> claimed;
};

Prefetched &prefetched()
{
    static Prefetched state;
    return state;
}

// The prefetched picture of `path`, once it is decoded; nothing (and `path` claimed) when no
// prefetch has taken it.
std::optional<QImage> takePrefetched(const QString &path)
{
    Prefetched &p = prefetched();
    std::unique_lock<std::mutex> lock(p.mutex);
    p.decodedOne.wait(lock, [&] { return !p.inFlight.contains(path); });
    const auto found = p.ready.find(path);
    if (found == p.ready.end()) {
        p.claimed.insert(path);
        return std::nullopt;
    }
    QImage image = std::move(*found);
    p.ready.erase(found);
    return image;
}

QImage decoded(const QString &path)
{
    std::optional<QImage> image = takePrefetched(path);
    return image ? std::move(*image) : QImage(path);
}

// Decoded from the file on the first request for the path, then shared.
template <typename Picture, typename Make>
Picture cachedPicture(QHash<QString, Picture> &cache, const QString &path, Make make)
{
    auto found = cache.constFind(path);
    if (found == cache.cend())
        found = cache.insert(path, make(decoded(path)));
    return *found;
}

} // namespace

QPixmap skinImage(const QString &path)
{
    // Not QPixmapCache: it looks at the file's time on every hit, and a window asks for its
    // button images over a thousand times while it is built.
    static QHash<QString, QPixmap> images;
    return cachedPicture(images, path, [](QImage image) { return QPixmap::fromImage(std::move(image)); });
}

QImage skinPicture(const QString &path)
{
    static QHash<QString, QImage> pictures;
    return cachedPicture(pictures, path, [](QImage image) { return image; });
}

// Without a thread, each picture is decoded when it is first asked for, as without this.
SkinPrefetch::SkinPrefetch(const QStringList &paths)
    : m_decoder([this, paths] { decode(paths); })
{
}

SkinPrefetch::~SkinPrefetch()
{
    m_stop = true;
    m_decoder.wait();
    // What nobody asked for meanwhile is not kept.
    Prefetched &p = prefetched();
    std::lock_guard<std::mutex> lock(p.mutex);
    p.ready.clear();
}

void SkinPrefetch::decode(const QStringList &paths)
{
    Prefetched &p = prefetched();
    for (const QString &path : paths) {
        if (m_stop)
            return;
        {
            std::lock_guard<std::mutex> lock(p.mutex);
            // What is in flight or ready is claimed too.
            if (p.claimed.contains(path))
                continue;
            p.inFlight.insert(path);
        }
        QImage image(path);
        {
            std::lock_guard<std::mutex> lock(p.mutex);
            p.inFlight.remove(path);
            p.claimed.insert(path);
            p.ready.insert(path, std::move(image));
        }
        p.decodedOne.notify_all();
    }
}

namespace {

// The exposed part of the picture at the painter's origin.
void drawOneToOne(QPainter &painter, const QImage &picture, const QRegion &exposed)
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
    // In strips through one small buffer: a whole window's worth would be a large block, and
    // once one is freed the allocator keeps the next on the heap for good.
    constexpr int kStripPixels = 16384;
    std::vector<QRgb> strip(kStripPixels);
    for (const QRect &wanted : exposed) {
        const QRect r = wanted & picture.rect();
        if (r.isEmpty())
            continue;
        const int rowsPerStrip = qMax(1, kStripPixels / r.width());
        if (int(strip.size()) < r.width())
            strip.resize(size_t(r.width()));
        for (int top = r.top(); top <= r.bottom(); top += rowsPerStrip) {
            const int rows = qMin(rowsPerStrip, r.bottom() + 1 - top);
            for (int y = 0; y < rows; ++y) {
                const uchar *from = picture.constScanLine(top + y) + r.x();
                QRgb *to = strip.data() + size_t(y) * size_t(r.width());
                for (int x = 0; x < r.width(); ++x)
                    to[x] = table[from[x]];
            }
            const QImage part(reinterpret_cast<const uchar *>(strip.data()), r.width(), rows, r.width() * 4,
                              QImage::Format_ARGB32_Premultiplied);
            painter.drawImage(QPoint(r.x(), top), part);
        }
    }
}

} // namespace

void drawSkinPicture(QPainter &painter, const QRect &target, const QImage &picture, const QRegion &exposed)
{
    if (picture.isNull())
        return;
    if (picture.size() != target.size()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
        painter.restore();
        return;
    }
    painter.save();
    painter.translate(target.topLeft());
    drawOneToOne(painter, picture, exposed.translated(-target.topLeft()));
    painter.restore();
}

QRegion opaqueRegion(const QImage &picture)
{
    if (picture.format() != QImage::Format_Indexed8)
        return QRegion(QBitmap::fromImage(picture.createAlphaMask()));
    if (!picture.hasAlphaChannel())
        return QRegion();
    bool opaque[256] = {};
    const QVector<QRgb> colours = picture.colorTable();
    for (int i = 0; i < colours.size() && i < 256; ++i)
        opaque[i] = qAlpha(colours[i]) >= 128;
    // The runs of opaque pixels of each row, as [from, to) pairs. A row with the runs of the row
    // above lengthens its band; the bands become the region's rectangles as they are, which
    // spares the bitmap and the union per run that QRegion(QBitmap) goes through.
    QVector<QRect> rects;
    std::vector<int> band;
    std::vector<int> runs;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (size_t i = 0; i < band.size(); i += 2)
            rects.append(QRect(band[i], bandTop, band[i + 1] - band[i], bottom - bandTop));
    };
    const int width = picture.width();
    const int height = picture.height();
    for (int y = 0; y < height; ++y) {
        const uchar *from = picture.constScanLine(y);
        runs.clear();
        for (int x = 0; x < width;) {
            if (!opaque[from[x]]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && opaque[from[x]])
                ++x;
            runs.push_back(start);
            runs.push_back(x);
        }
        if (y == 0 || runs != band) {
            closeBand(y);
            band.swap(runs);
            bandTop = y;
        }
    }
    closeBand(height);
    QRegion region;
    region.setRects(rects.constData(), rects.size());
    return region;
}
