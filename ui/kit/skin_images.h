#pragma once
#include <QPixmap>
#include <QString>

// Every skin picture the program shows, decoded once and shared: buttons with the same images
// hold the same pixels. Keyed by the whole path; a missing or unreadable file gives an empty
// picture (and is not tried again). GUI thread only.
QPixmap skinImage(const QString &path);
