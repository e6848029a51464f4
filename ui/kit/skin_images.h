#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>

// Every skin picture the program shows, decoded once and shared: buttons with the same images
// hold the same pixels. Keyed by the whole path; a missing or unreadable file gives an empty
// picture (and is not tried again). GUI thread only.
QPixmap skinImage(const QString &path);

// A large picture as it is stored, shared the same way: a palette picture stays one, a quarter
// of the memory of a pixmap, and painters draw it as it is.
QImage skinPicture(const QString &path);
