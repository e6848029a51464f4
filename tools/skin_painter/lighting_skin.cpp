#include "lighting_skin.h"

#include "skin_canvas.h"
#include "skin_palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace skin;

namespace {

const QSize kPage(351, 440);
const QSize kEffectButton(228, 30);
const QSize kSliderBar(40, 12);     // stretched through 6-pixel slices
const QSize kSliderHandle(36, 36);  // shown at 18 x scale
const QSize kSpinArrow(18, 12);     // shown at 9 x 6 x scale

QImage pagePanel()
{
    QImage image = canvas(kPage);
    QPainter p;
    begin(p, image);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(kPage)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath panel;
    panel.addRoundedRect(r, 8, 8);
    p.fillPath(panel, vertical(r, QColor(38, 40, 46), QColor(27, 28, 32)));
    p.setPen(QPen(kPanelEdge, 1));
    p.drawPath(panel);
    // An accent tick beside the effect heading, and faint rules between the groups.
    p.fillRect(QRectF(18, 18, 3, 14), kAccent);
    p.fillRect(QRectF(18, 72, kPage.width() - 36, 1), QColor(255, 255, 255, 16));
    p.fillRect(QRectF(18, 250, kPage.width() - 36, 1), QColor(255, 255, 255, 16));
    return image;
}

QImage effectButton(bool hover)
{
    QImage image = canvas(kEffectButton);
    QPainter p;
    begin(p, image);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(kEffectButton)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath face;
    face.addRoundedRect(r, 4, 4);
    p.fillPath(face, vertical(r, hover ? QColor(74, 60, 48) : kControlLight, hover ? QColor(54, 46, 40) : kControl));
    p.setPen(QPen(hover ? kAccent : kControlEdge, 1));
    p.drawPath(face);
    // The drop-down chevron sits in its own well at the right.
    const qreal well = kEffectButton.height();
    p.fillRect(QRectF(r.right() - well, r.top() + 5, 1, r.height() - 10), QColor(255, 255, 255, 30));
    const QPointF c(r.right() - well / 2, r.center().y());
    QPainterPath chevron;
    chevron.moveTo(c.x() - 5, c.y() - 2.5);
    chevron.lineTo(c.x(), c.y() + 2.5);
    chevron.lineTo(c.x() + 5, c.y() - 2.5);
    p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    return image;
}

QImage sliderBar(bool filled)
{
    QImage image = canvas(kSliderBar);
    QPainter p;
    begin(p, image);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(kSliderBar)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = r.height() / 2;
    if (filled) {
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(r, kAccent.lighter(115), kAccentDark));
    } else {
        p.setPen(QPen(kControlEdge, 1));
        p.setBrush(vertical(r, QColor(14, 14, 16), QColor(52, 54, 60)));
    }
    p.drawRoundedRect(r, radius, radius);
    return image;
}

QImage sliderHandle()
{
    QImage image = canvas(kSliderHandle);
    QPainter p;
    begin(p, image);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(kSliderHandle)).adjusted(2, 2, -2, -2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90)); // soft shadow
    p.drawEllipse(r.translated(0, 1.5));
    p.setBrush(vertical(r, QColor(250, 250, 250), QColor(200, 202, 208)));
    p.setPen(QPen(kAccent, 4));
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(r.center(), 4, 4);
    return image;
}

QImage spinArrow(bool up)
{
    QImage image = canvas(kSpinArrow);
    QPainter p;
    begin(p, image);
    const qreal w = kSpinArrow.width(), h = kSpinArrow.height();
    QPainterPath arrow;
    arrow.moveTo(2, up ? h - 2 : 2);
    arrow.lineTo(w / 2, up ? 2 : h - 2);
    arrow.lineTo(w - 2, up ? h - 2 : 2);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kText);
    p.drawPath(arrow);
    return image;
}

} // namespace

void paintLightingSkin(SkinSaver save)
{
    save(pagePanel(), QStringLiteral("lightpage.png"), nullptr);
    save(effectButton(false), QStringLiteral("effect-1.png"), nullptr);
    save(effectButton(true), QStringLiteral("effect-2.png"), nullptr);
    save(sliderBar(false), QStringLiteral("slider_groove.png"), nullptr);
    save(sliderBar(true), QStringLiteral("slider_fill.png"), nullptr);
    save(sliderHandle(), QStringLiteral("slider_handle.png"), nullptr);
    save(spinArrow(true), QStringLiteral("spin_up.png"), nullptr);
    save(spinArrow(false), QStringLiteral("spin_down.png"), nullptr);
}
