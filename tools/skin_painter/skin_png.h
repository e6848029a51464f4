#pragma once

#include <QString>

class QImage;

// Writes `image` as an 8-bit PNG with every row stored unfiltered: as a palette picture when it
// has at most 256 colours, else as RGBA. The program decodes its skin at each start; for this
// flat, drawn art unfiltered rows decode two to three times faster than the writer's usual
// choice of filters, and a palette picture inflates a quarter of the bytes. Lossless either way.
bool writeSkinPng(const QImage &image, const QString &path, QString *error);

// The image with at most `count` colours: the commonest are kept, and each rarer one becomes
// the kept colour nearest to it. Drawn art with a few stray edge pixels stays as it looks.
QImage limitColours(const QImage &image, int count);
