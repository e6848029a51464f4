#include "ui/kit/skin_images.h"

#include <QHash>

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
