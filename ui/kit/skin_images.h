#pragma once
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QString>

class QPainter;

// Every skin picture the program shows, decoded once and shared: buttons with the same images
// hold the same pixels. Keyed by the whole path; a missing or unreadable file gives an empty
// picture (and is not tried again). GUI thread only.
QPixmap skinImage(const QString &path);

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
