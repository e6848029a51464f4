#pragma once
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QStringList>

#include "platform/background_task.h"

#include <atomic>

class QPainter;

// Every skin picture the program shows, decoded once and shared: buttons with the same images
// hold the same pixels. Keyed by the whole path; a missing or unreadable file gives an empty
// picture (and is not tried again). GUI thread only.
QPixmap skinImage(const QString &path);

// Decodes `paths` on another thread while the GUI thread builds what shows them: the first
// request for one of them takes its decoded picture (waiting if it is being decoded), and one
// asked for before the prefetch reached it is decoded by the asker as usual. Destroying the
// prefetch stops it and drops what was not asked for. One at a time.
class SkinPrefetch {
public:
    explicit SkinPrefetch(const QStringList &paths);
    ~SkinPrefetch();
    SkinPrefetch(const SkinPrefetch &) = delete;
    SkinPrefetch &operator=(const SkinPrefetch &) = delete;

private:
    void decode(const QStringList &paths);

    std::atomic<bool> m_stop {false};
    BackgroundTask m_decoder;
};

// A large picture as it is stored, shared the same way: a palette picture stays one, a quarter
// of the memory of a pixmap.
QImage skinPicture(const QString &path);

// Draws such a picture over `target`: one to one when it is the picture's size, only the exposed
// part, else scaled smoothly. A painter would take its slowest path for a palette picture;
// converting just the exposed rectangles first and drawing those is several times quicker.
void drawSkinPicture(QPainter &painter, const QRect &target, const QImage &picture, const QRegion &exposed);

// Where the picture is at least half opaque, as a window shape; empty when it has no alpha.
// A palette picture is read through its palette, without converting every pixel first.
QRegion opaqueRegion(const QImage &picture);
