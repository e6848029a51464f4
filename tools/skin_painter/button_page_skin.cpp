#include "button_page_skin.h"
#include "skin_png.h"

#include "skin_palette.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

using namespace skin;

namespace {

const QSize kRow(220, 30);

QImage paintRow(int state)
{
    QImage image(kRow, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(kRow)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath face;
    face.addRoundedRect(r, 4, 4);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, state == 2 ? kAccent : state == 1 ? kControlLight : kControl);
    fill.setColorAt(1, state == 2 ? kAccentDark : kPanel);
    p.fillPath(face, fill);
    p.setPen(QPen(state == 0 ? kControlEdge : kAccent, 1));
    p.drawPath(face);
    // The strip behind the button number.
    p.setClipPath(face);
    p.fillRect(QRectF(0, 0, 26, kRow.height()), state == 2 ? kAccentDark : QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 60));
    return image;
}

} // namespace

bool paintButtonPageSkin(const QString &outputDir)
{
    bool ok = true;
    QDir().mkpath(outputDir);
    for (int state = 0; state < 3; ++state) {
        const QString path = outputDir + QStringLiteral("/keyfun-%1.png").arg(state + 1);
        QString error;
        if (!writeSkinPng(paintRow(state), path, &error)) {
            std::fprintf(stderr, "skin_painter: cannot write %s: %s\n", qPrintable(path), qPrintable(error));
            ok = false;
        }
    }
    return ok;
}
