#pragma once
#include <QImage>
#include <QString>

// The lighting page and the colour dialog: page panel, effect drop-down, slider parts and the
// spin box arrows. `save` writes one image under the skin folder.
using SkinSaver = void (*)(const QImage &image, const QString &relative, const char *format);
void paintLightingSkin(SkinSaver save);
