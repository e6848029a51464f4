// Paints every skin image of the program from the palette in skin_palette.h.
//   skin_painter --skin <dir> --product-dir <dir of DefaultProfile.bin>   the "skin" folder
//                (--product <name> --buttons <n> instead name the product directly)
//   skin_painter --icons <dir>                                  desktop icons (png)
//   skin_painter --compiled <dir>                               yes/no icons and loading frames
#include "button_page_skin.h"
#include "lighting_skin.h"
#include "skin_canvas.h"
#include "skin_palette.h"
#include "skin_png.h"

#include "store/app_paths.h"
#include "store/product_definition.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

using namespace skin;

namespace {

QString outputDir;
bool failed = false;

void save(const QImage &image, const QString &relative, const char *format = nullptr)
{
    const QString path = outputDir + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!format && path.endsWith(QLatin1String(".png"))) {
        if (!writeSkinPng(image, path, &error)) {
            std::fprintf(stderr, "skin_painter: cannot write %s: %s\n", qPrintable(path), qPrintable(error));
            failed = true;
        }
        return;
    }
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        std::fprintf(stderr, "skin_painter: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        failed = true;
    }
}

QFont uiFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// ---- main window -------------------------------------------------------------------------

void paintMainBackground()
{
    QImage image = canvas(kMainSize);
    QPainter p;
    begin(p, image);
    QPainterPath body;
    body.addRoundedRect(QRectF(kBody), kBodyRadius, kBodyRadius);
    p.fillPath(body, vertical(kBody, kWindowBackLight, kWindowBack));
    p.setClipPath(body);
    // Header band with an accent rule under it.
    p.fillRect(kHeader, vertical(kHeader, QColor(44, 46, 52), QColor(28, 29, 33)));
    p.fillRect(QRect(kHeader.left(), kHeader.bottom(), kHeader.width(), 2), kAccent);
    // A faint diagonal texture keeps the large dark areas from looking flat.
    p.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (int x = -kMainSize.height(); x < kMainSize.width(); x += 6)
        p.drawLine(x, kMainSize.height(), x + kMainSize.height(), 0);
    p.setClipping(false);
    // Panels
    for (const QRect &r : {kSidebar, kContent, kFooter}) {
        QPainterPath panel;
        panel.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        p.fillPath(panel, kPanel);
        p.setPen(QPen(kPanelEdge, 1));
        p.drawPath(panel);
    }
    // Accent corner marks on the sidebar
    p.setPen(QPen(kAccent, 2));
    p.drawLine(kSidebar.left() + 12, kSidebar.bottom() - 14, kSidebar.right() - 12, kSidebar.bottom() - 14);
    // Outer edge
    p.setPen(QPen(QColor(70, 73, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kBody).adjusted(0.5, 0.5, -0.5, -0.5), kBodyRadius, kBodyRadius);
    p.end();
    // The window keeps its background as a palette picture, a quarter of the memory: the few
    // colours past 256 are single antialiased pixels on the corners.
    save(limitColours(image, 256), QStringLiteral("cfgMainback.png"));
}

// ---- buttons ------------------------------------------------------------------------------

enum ButtonState { Rest, Hover, Down };

void paintButtonFace(QPainter &p, const QRectF &r, ButtonState state, qreal radius)
{
    QColor top = kControlLight, bottom = kControl, edge = kControlEdge;
    if (state == Hover) {
        top = QColor(74, 60, 48);
        bottom = QColor(54, 46, 40);
        edge = kAccent;
    } else if (state == Down) {
        top = kAccent;
        bottom = kAccentDark;
        edge = kAccent.lighter(120);
    }
    QPainterPath path;
    path.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.fillPath(path, vertical(r, top, bottom));
    p.setPen(QPen(edge, 1));
    p.drawPath(path);
}

// Text buttons: tabbutton-1 resting, -3 highlighted (hover and the checked tab), -2 pressed.
void paintTabButtons()
{
    const ButtonState states[3] = {Rest, Down, Hover};
    for (int i = 0; i < 3; ++i) {
        QImage image = canvas(kTabButton);
        QPainter p;
        begin(p, image);
        paintButtonFace(p, QRectF(QPointF(0, 0), QSizeF(kTabButton)), states[i], 3);
        if (states[i] == Hover) // a bar at the left edge marks the chosen tab
            p.fillRect(QRectF(1, 4, 3, kTabButton.height() - 8), kAccent);
        p.end();
        save(image, QStringLiteral("tabbutton-%1.png").arg(i + 1));
    }
}

void drawChevron(QPainter &p, const QPointF &centre, qreal size, const QColor &color, bool down = true)
{
    QPainterPath chevron;
    const qreal dy = down ? size / 2 : -size / 2;
    chevron.moveTo(centre.x() - size, centre.y() - dy);
    chevron.lineTo(centre.x(), centre.y() + dy);
    chevron.lineTo(centre.x() + size, centre.y() - dy);
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
}

void paintDropDown(const QString &name, QSize size)
{
    QImage image = canvas(size);
    QPainter p;
    begin(p, image);
    paintButtonFace(p, QRectF(QPointF(0, 0), QSizeF(size)), Rest, 3);
    const qreal h = size.height();
    drawChevron(p, QPointF(size.width() - h * 0.6, h / 2), h * 0.18, kAccent);
    p.end();
    save(image, name);
}

void paintWindowButtons()
{
    for (int kind = 0; kind < 2; ++kind) {
        for (int state = 0; state < 3; ++state) {
            QImage image = canvas(kWindowButton);
            QPainter p;
            begin(p, image);
            const QRectF r(0.5, 0.5, kWindowButton.width() - 1, kWindowButton.height() - 1);
            QColor fill = kControl, glyph = kText;
            if (state == 1)
                fill = kind == 0 ? kDanger : kControlLight;
            if (state == 2)
                fill = kind == 0 ? kDanger.darker(130) : kAccentDark;
            p.setPen(QPen(state == 0 ? kControlEdge : fill.lighter(130), 1));
            p.setBrush(fill);
            p.drawRoundedRect(r, 4, 4);
            p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
            const qreal c = kWindowButton.width() / 2.0, d = 4.0;
            if (kind == 0) {
                p.drawLine(QPointF(c - d, c - d), QPointF(c + d, c + d));
                p.drawLine(QPointF(c - d, c + d), QPointF(c + d, c - d));
            } else {
                p.drawLine(QPointF(c - d, c + 2.5), QPointF(c + d, c + 2.5));
            }
            p.end();
            save(image, QStringLiteral("%1-%2.png").arg(kind == 0 ? QStringLiteral("close") : QStringLiteral("min")).arg(state + 1));
        }
    }
}

void paintLanguageButton()
{
    QImage image = canvas(kLangButton);
    QPainter p;
    begin(p, image);
    paintButtonFace(p, QRectF(QPointF(0, 0), QSizeF(kLangButton)), Rest, 3);
    // A small globe at the right, clear of the left-aligned text.
    const QPointF c(kLangButton.width() - 11, kLangButton.height() / 2.0);
    p.setPen(QPen(kAccent, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 6, 6);
    p.drawEllipse(c, 2.6, 6);
    p.drawLine(QPointF(c.x() - 6, c.y()), QPointF(c.x() + 6, c.y()));
    p.end();
    save(image, QStringLiteral("lang.png"));
}

void paintProfileIcons()
{
    // The library panel's profile button opens the library: a text button with a chevron at
    // the right, in the three states of the tab buttons (rest, pressed, highlighted).
    const ButtonState states[3] = {Rest, Down, Hover};
    for (int i = 0; i < 3; ++i) {
        QImage image = canvas(kTabButton);
        QPainter p;
        begin(p, image);
        paintButtonFace(p, QRectF(QPointF(0, 0), QSizeF(kTabButton)), states[i], 3);
        const qreal h = kTabButton.height();
        drawChevron(p, QPointF(kTabButton.width() - h * 0.5, h / 2), h * 0.16, states[i] == Down ? kText : kAccent);
        p.end();
        save(image, QStringLiteral("profilelib-%1.png").arg(i + 1));
    }
    paintDropDown(QStringLiteral("profilesel.png"), kProfileSelector);
}

// Hotspots on the mouse picture: btn_2 marks the selected button, btn_1 the others.
void paintHotspots()
{
    for (int selected = 0; selected < 2; ++selected) {
        QImage image = canvas(kHotspot);
        QPainter p;
        begin(p, image);
        const QPointF c(kHotspot.width() / 2.0, kHotspot.height() / 2.0);
        if (selected) {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccentGlow);
            p.drawEllipse(c, 9.5, 9.5);
            p.setBrush(kAccent);
            p.setPen(QPen(Qt::white, 1.5));
            p.drawEllipse(c, 5.5, 5.5);
        } else {
            p.setPen(QPen(QColor(230, 230, 230, 200), 1.5));
            p.setBrush(QColor(20, 20, 20, 140));
            p.drawEllipse(c, 5.5, 5.5);
        }
        p.end();
        save(image, QStringLiteral("btn_%1.png").arg(selected ? 2 : 1));
    }
}

// Wheel hotspots: round (1, 2) and square (3, 4) families; 2 and 4 mark the selection.
void paintWheelHotspots()
{
    for (int up = 0; up < 2; ++up) {
        for (int variant = 1; variant <= 4; ++variant) {
            const bool selected = variant % 2 == 0;
            const bool square = variant > 2;
            QImage image = canvas(kWheelHotspot);
            QPainter p;
            begin(p, image);
            const QRectF r(2.5, 2.5, kWheelHotspot.width() - 5, kWheelHotspot.height() - 5);
            p.setPen(QPen(selected ? Qt::white : QColor(230, 230, 230, 200), 1.4));
            p.setBrush(selected ? kAccent : QColor(20, 20, 20, 150));
            if (square)
                p.drawRoundedRect(r, 3, 3);
            else
                p.drawEllipse(r);
            drawChevron(p, r.center(), 3.5, selected ? Qt::black : Qt::white, !up);
            p.end();
            save(image, QStringLiteral("btn_%1%2.png").arg(up ? QStringLiteral("up") : QStringLiteral("down")).arg(variant));
        }
    }
}

void paintCheckBoxes()
{
    for (int checked = 0; checked < 2; ++checked) {
        QImage box = canvas(kCheckBox);
        QPainter p;
        begin(p, box);
        const QRectF r(1.5, 1.5, kCheckBox.width() - 3, kCheckBox.height() - 3);
        p.setPen(QPen(checked ? kAccent : kControlEdge, 1.2));
        p.setBrush(checked ? kAccent : kControl);
        p.drawRoundedRect(r, 2.5, 2.5);
        if (checked) {
            p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF(QVector<QPointF>{QPointF(4.5, 8.2), QPointF(7, 10.8), QPointF(11.8, 5.2)}));
        }
        p.end();
        save(box, QStringLiteral("checkbox1-%1.png").arg(checked + 1));

        QImage toggle = canvas(kToggle);
        begin(p, toggle);
        const QPointF c(kToggle.width() / 2.0, kToggle.height() / 2.0);
        p.setPen(QPen(checked ? kAccent : kControlEdge, 1.4));
        p.setBrush(kControl);
        p.drawEllipse(c, 7.5, 7.5);
        if (checked) {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(c, 4, 4);
        }
        p.end();
        save(toggle, QStringLiteral("checkbox2-%1.png").arg(checked + 1));
    }
}

// ---- status -------------------------------------------------------------------------------

void drawBolt(QPainter &p, const QRectF &r, const QColor &color)
{
    QPolygonF bolt(QVector<QPointF>{QPointF(0.62, 0.0), QPointF(0.12, 0.56), QPointF(0.46, 0.56), QPointF(0.34, 1.0),
                   QPointF(0.88, 0.4), QPointF(0.54, 0.4), QPointF(0.62, 0.0)});
    for (QPointF &pt : bolt)
        pt = QPointF(r.left() + pt.x() * r.width(), r.top() + pt.y() * r.height());
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    p.drawPolygon(bolt);
}

void drawPlug(QPainter &p, const QRectF &r, const QColor &color)
{
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal cx = r.center().x(), cy = r.center().y();
    p.drawLine(QPointF(r.left(), cy), QPointF(cx - 8, cy));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(cx - 8, cy - 7, 12, 14), 2, 2);
    p.drawLine(QPointF(cx + 4, cy - 4), QPointF(cx + 10, cy - 4));
    p.drawLine(QPointF(cx + 4, cy + 4), QPointF(cx + 10, cy + 4));
}

// bat1: the wireless frame, the level bar sits inside it; bat2: on cable, no bar.
void paintBatteryFrames()
{
    for (int cable = 0; cable < 2; ++cable) {
        QImage image = canvas(kBattery);
        QPainter p;
        begin(p, image);
        const QRectF shell(3, 3, 78, 41);
        p.setPen(QPen(cable ? kAccent : QColor(200, 200, 200), 2));
        p.setBrush(QColor(18, 18, 20));
        p.drawRoundedRect(shell, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(cable ? kAccent : QColor(200, 200, 200));
        p.drawRoundedRect(QRectF(81.5, 16, 3.5, 15), 1.5, 1.5);
        if (cable)
            drawPlug(p, shell.adjusted(14, 0, -14, 0), kAccent);
        p.end();
        save(image, QStringLiteral("bat%1.png").arg(cable + 1));
    }
    QImage bolt = canvas(kLightning);
    QPainter p;
    begin(p, bolt);
    drawBolt(p, QRectF(1, 1, kLightning.width() - 2, kLightning.height() - 2), kAccent);
    p.end();
    save(bolt, QStringLiteral("lightning.png"));
}

void drawReceiver(QPainter &p, const QRectF &r, const QColor &accent)
{
    // A USB receiver seen from above: metal plug at the top, body below, a signal arc.
    const qreal w = r.width(), h = r.height();
    const QRectF plug(r.left() + w * 0.34, r.top() + h * 0.06, w * 0.32, h * 0.3);
    p.setPen(QPen(QColor(150, 155, 165), w * 0.025));
    p.setBrush(QColor(200, 204, 212));
    p.drawRect(plug);
    p.setBrush(QColor(60, 62, 68));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(plug.left() + plug.width() * 0.22, plug.top() + plug.height() * 0.25, plug.width() * 0.2, plug.height() * 0.2));
    p.drawRect(QRectF(plug.left() + plug.width() * 0.58, plug.top() + plug.height() * 0.25, plug.width() * 0.2, plug.height() * 0.2));
    const QRectF body(r.left() + w * 0.28, r.top() + h * 0.36, w * 0.44, h * 0.42);
    p.setPen(QPen(accent, w * 0.03));
    p.setBrush(QColor(40, 42, 47));
    p.drawRoundedRect(body, w * 0.06, w * 0.06);
    p.setPen(QPen(accent, w * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c(r.center().x(), r.top() + h * 0.62);
    for (int i = 1; i <= 2; ++i) {
        const qreal rad = w * 0.08 * i;
        p.drawArc(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), 45 * 16, 90 * 16);
    }
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, w * 0.025, w * 0.025);
}

void paintDongles()
{
    QImage small = canvas(kDongle);
    QPainter p;
    begin(p, small);
    drawReceiver(p, QRectF(QPointF(0, 0), QSizeF(kDongle)), kAccent);
    p.end();
    save(small, QStringLiteral("dongle.png"));

    QImage big = canvas(kMessageIcon);
    begin(p, big);
    p.setPen(QPen(kAccent, 3));
    p.setBrush(QColor(30, 31, 35));
    p.drawEllipse(QRectF(QPointF(0, 0), QSizeF(kMessageIcon)).adjusted(3, 3, -3, -3));
    drawReceiver(p, QRectF(QPointF(0, 0), QSizeF(kMessageIcon)).adjusted(14, 12, -14, -4), kAccent);
    p.end();
    save(big, QStringLiteral("dongle2.png"));
}

void paintWarning()
{
    QImage image = canvas(kMessageIcon);
    QPainter p;
    begin(p, image);
    const qreal w = kMessageIcon.width(), h = kMessageIcon.height();
    QPainterPath triangle;
    triangle.moveTo(w / 2, h * 0.08);
    triangle.lineTo(w * 0.95, h * 0.9);
    triangle.lineTo(w * 0.05, h * 0.9);
    triangle.closeSubpath();
    p.setPen(QPen(kAccent.lighter(115), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(QRectF(0, 0, w, h), kAccent, kAccentDark));
    p.drawPath(triangle);
    p.setPen(QPen(QColor(20, 20, 20), w * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w / 2, h * 0.36), QPointF(w / 2, h * 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(w / 2, h * 0.76), w * 0.05, w * 0.05);
    p.end();
    save(image, QStringLiteral("warn.png"));
}

// ---- dialogs ------------------------------------------------------------------------------

void paintDialogBackground()
{
    // Opaque and rectangular: the program draws the accent frame over its edge.
    QImage image = canvas(kDialog);
    QPainter p;
    begin(p, image);
    const QRectF r(QPointF(0, 0), QSizeF(kDialog));
    p.fillRect(r, vertical(r, QColor(40, 42, 47), QColor(20, 21, 24)));
    p.fillRect(QRectF(0, 0, r.width(), 50), vertical(QRectF(0, 0, r.width(), 50), QColor(52, 54, 60), QColor(36, 38, 43)));
    p.fillRect(QRectF(16, 50, r.width() - 32, 1), QColor(255, 125, 0, 120));
    p.end();
    save(image, QStringLiteral("dlg.png"));
}

void paintGunDialog()
{
    QImage image = canvas(kGunDialog);
    QPainter p;
    begin(p, image);
    const QRectF r(QPointF(0, 0), QSizeF(kGunDialog));
    QPainterPath shape;
    shape.addRoundedRect(r.adjusted(1, 1, -1, -1), 14, 14);
    p.fillPath(shape, vertical(r, QColor(40, 42, 47), QColor(20, 21, 24)));
    p.setPen(QPen(kAccent, 2));
    p.drawPath(shape);
    p.fillRect(QRectF(20, 52, r.width() - 40, 1), QColor(255, 125, 0, 120));
    // The bullet strip: the bullets are drawn at x = 163 + 66 k, y = 141.
    QPainterPath strip;
    strip.addRoundedRect(QRectF(150, 132, 430, 57), 6, 6);
    p.fillPath(strip, QColor(14, 14, 16));
    p.setPen(QPen(kPanelEdge, 1));
    p.drawPath(strip);
    p.end();
    save(image, QStringLiteral("dlg_gun.png"));

    for (int selected = 0; selected < 2; ++selected) {
        QImage bullet = canvas(kBullet);
        begin(p, bullet);
        const qreal w = kBullet.width(), h = kBullet.height();
        QPainterPath tip;
        tip.moveTo(0.5, h * 0.35);
        tip.cubicTo(0.5, h * 0.1, w / 2, 0.5, w / 2, 0.5);
        tip.cubicTo(w / 2, 0.5, w - 0.5, h * 0.1, w - 0.5, h * 0.35);
        tip.closeSubpath();
        const QColor head = selected ? kAccent : QColor(200, 140, 80);
        p.setPen(Qt::NoPen);
        p.setBrush(head);
        p.drawPath(tip);
        p.setBrush(selected ? kAccent.lighter(130) : QColor(215, 180, 90));
        p.drawRect(QRectF(0.5, h * 0.35, w - 1, h * 0.62));
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRect(QRectF(0.5, h * 0.86, w - 1, 1.5));
        p.end();
        save(bullet, selected ? QStringLiteral("bulletsel.png") : QStringLiteral("gunset_bullet.png"));
    }

    QImage track = canvas(kGunSlider);
    begin(p, track);
    p.setPen(QPen(kControlEdge, 1));
    p.setBrush(QColor(14, 14, 16));
    p.drawRoundedRect(QRectF(0.5, 0.5, kGunSlider.width() - 1, kGunSlider.height() - 1), 4, 4);
    p.end();
    save(track, QStringLiteral("gunset_slider.png"));
}

void paintSpeedGroove()
{
    QImage image = canvas(kSpeedGroove);
    QPainter p;
    begin(p, image);
    const QRectF r(0.5, 0.5, kSpeedGroove.width() - 1, kSpeedGroove.height() - 1);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, kAccentDark);
    g.setColorAt(1, kAccent);
    p.setPen(QPen(kControlEdge, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3.5, 3.5);
    p.end();
    save(image, QStringLiteral("pspeed.png"));
}

void paintListIcons()
{
    const qreal s = kListIcon.width();
    auto key = [&](QPainter &p, const QColor &edge) {
        p.setPen(QPen(edge, 2));
        p.setBrush(kControl);
        p.drawRoundedRect(QRectF(3, 5, s - 6, s - 10), 4, 4);
    };
    QPainter p;
    // keydown / keyup: a key cap with an arrow; keybo: a keyboard
    for (int down = 0; down < 2; ++down) {
        QImage image = canvas(kListIcon);
        begin(p, image);
        key(p, down ? kAccent : kTextDim);
        drawChevron(p, QPointF(s / 2, s / 2), s * 0.2, down ? kAccent : kText, down);
        p.end();
        save(image, down ? QStringLiteral("keydown.png") : QStringLiteral("keyup.png"));
    }
    {
        QImage image = canvas(kListIcon);
        begin(p, image);
        key(p, kTextDim);
        p.setPen(Qt::NoPen);
        p.setBrush(kText);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(7 + col * 5, 10 + row * 5, 3, 3));
        p.setBrush(kAccent);
        p.drawRect(QRectF(10, 21, 12, 3));
        p.end();
        save(image, QStringLiteral("keybo.png"));
    }
    {
        QImage image = canvas(kListIcon);
        begin(p, image);
        QPainterPath mouse;
        mouse.addRoundedRect(QRectF(9, 3, 14, 26), 7, 7);
        p.setPen(QPen(kText, 1.8));
        p.setBrush(kControl);
        p.drawPath(mouse);
        p.drawLine(QPointF(16, 3), QPointF(16, 12));
        p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 16), QPointF(6, 16));
        p.drawLine(QPointF(26, 16), QPointF(30, 16));
        p.end();
        save(image, QStringLiteral("mouse_move.png"));
    }
    for (int variant = 0; variant < 2; ++variant) {
        QImage image = canvas(kListIcon);
        begin(p, image);
        const QPointF c(s / 2, s / 2 + 1);
        p.setPen(QPen(variant ? kAccent : kText, 2));
        p.setBrush(kControl);
        p.drawEllipse(c, s * 0.38, s * 0.38);
        p.setPen(QPen(variant ? kText : kAccent, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, QPointF(c.x(), c.y() - s * 0.24));
        p.drawLine(c, QPointF(c.x() + s * 0.17, c.y()));
        p.end();
        save(image, variant ? QStringLiteral("icondelay.png") : QStringLiteral("delay.png"));
    }
}

void drawSpinner(QPainter &p, const QRectF &r, int phase, int frames)
{
    const QPointF c = r.center();
    const qreal radius = r.width() * 0.3;
    for (int i = 0; i < frames; ++i) {
        const int age = (phase - i + frames) % frames; // 0 = the leading dot
        const qreal angle = 2 * M_PI * i / frames - M_PI / 2;
        QColor color = kAccent;
        color = age == 0 ? kAccent : (age < 4 ? kAccentDark : QColor(70, 72, 80));
        const qreal dot = r.width() * (age == 0 ? 0.065 : age < 4 ? 0.055 : 0.045);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle)), dot, dot);
    }
}

void paintProcess()
{
    QImage image = canvas(kProcess);
    QPainter p;
    begin(p, image);
    const QRectF r(QPointF(0, 0), QSizeF(kProcess));
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(QColor(24, 25, 28, 230));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
    drawSpinner(p, r, 0, kLoadingFrames);
    p.end();
    save(image, QStringLiteral("process.png"));
}

QImage logoImage(QSize size)
{
    QImage image = canvas(size);
    QPainter p;
    begin(p, image);
    const qreal h = size.height();
    // The mark: a stylised mouse outline with an accent wheel.
    QPainterPath mark;
    mark.addRoundedRect(QRectF(h * 0.12, h * 0.1, h * 0.5, h * 0.8), h * 0.25, h * 0.25);
    p.setPen(QPen(kText, h * 0.06));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(QPen(kAccent, h * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(h * 0.37, h * 0.24), QPointF(h * 0.37, h * 0.4));
    QFont font = uiFont(qRound(h * 0.46), true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.03);
    p.setFont(font);
    p.setPen(kText);
    const QRectF text(h * 0.8, 0, size.width() - h * 0.8, h);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZEL"));
    const qreal zelWidth = QFontMetricsF(font).horizontalAdvance(QStringLiteral("ZEL"));
    p.setPen(kAccent);
    p.drawText(text.adjusted(zelWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MOUSE"));
    p.end();
    return image;
}

QImage appIcon(int side)
{
    QImage image = canvas(QSize(side, side));
    QPainter p;
    begin(p, image);
    const qreal s = side;
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, 0, s, s), QColor(52, 54, 60), QColor(20, 21, 24)));
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.2, s * 0.2);
    QPainterPath mouse;
    mouse.addRoundedRect(QRectF(s * 0.3, s * 0.16, s * 0.4, s * 0.68), s * 0.2, s * 0.2);
    p.setPen(QPen(kText, qMax(1.5, s * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouse);
    p.drawLine(QPointF(s * 0.3, s * 0.42), QPointF(s * 0.7, s * 0.42));
    p.drawLine(QPointF(s * 0.5, s * 0.16), QPointF(s * 0.5, s * 0.42));
    p.setPen(QPen(kAccent, qMax(2.0, s * 0.07), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.24), QPointF(s * 0.5, s * 0.33));
    p.end();
    return image;
}

// ---- the product's pictures ---------------------------------------------------------------

struct MouseButtonShape {
    QPainterPath path;
};

// Front (top) view, 300 x 400: the regions of the seven buttons of the sample layout
// (left, right, middle, forward, back, DPI switch, DPI+); further buttons get a marker.
QVector<QPainterPath> frontButtonShapes(const QPainterPath &body)
{
    QVector<QPainterPath> shapes;
    QPainterPath left, right;
    left.addRect(QRectF(0, 0, 150, 175));
    right.addRect(QRectF(150, 0, 150, 175));
    shapes << body.intersected(left).subtracted([] { QPainterPath g; g.addRect(QRectF(146, 0, 8, 175)); return g; }());
    shapes << body.intersected(right).subtracted([] { QPainterPath g; g.addRect(QRectF(146, 0, 8, 175)); return g; }());
    QPainterPath wheel;
    wheel.addRoundedRect(QRectF(139, 62, 22, 52), 10, 10);
    shapes << wheel;
    QPainterPath forward, back;
    forward.addRoundedRect(QRectF(58, 168, 14, 44), 6, 6);
    back.addRoundedRect(QRectF(56, 218, 14, 44), 6, 6);
    shapes << forward << back;
    QPainterPath dpi, dpiPlus;
    dpi.addRoundedRect(QRectF(141, 126, 18, 14), 4, 4);
    dpiPlus.addRoundedRect(QRectF(141, 146, 18, 14), 4, 4);
    shapes << dpi << dpiPlus;
    return shapes;
}

QPainterPath frontBody()
{
    QPainterPath body;
    body.moveTo(150, 20);
    body.cubicTo(215, 20, 245, 70, 242, 160);
    body.cubicTo(240, 250, 235, 330, 205, 370);
    body.cubicTo(185, 392, 115, 392, 95, 370);
    body.cubicTo(65, 330, 60, 250, 58, 160);
    body.cubicTo(55, 70, 85, 20, 150, 20);
    body.closeSubpath();
    return body;
}

QImage mouseFront(int highlighted, int buttonCount)
{
    QImage image = canvas(kMouseFront);
    QPainter p;
    begin(p, image);
    const QPainterPath body = frontBody();
    // Shadow and body
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(body.translated(4, 6));
    QRadialGradient shade(QPointF(130, 150), 240);
    shade.setColorAt(0, kMouseBodyLight);
    shade.setColorAt(1, kMouseBody.darker(140));
    p.setBrush(shade);
    p.setPen(QPen(kMouseLine, 2));
    p.drawPath(body);
    // Seams
    p.setPen(QPen(kMouseLine, 2));
    p.drawLine(QPointF(150, 20), QPointF(150, 122));
    QPainterPath seam;
    seam.moveTo(62, 175);
    seam.cubicTo(110, 188, 190, 188, 238, 175);
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);
    // Accent light strip down the back
    p.setPen(QPen(QColor(255, 125, 0, 160), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 300), QPointF(150, 360));
    // Buttons
    const QVector<QPainterPath> shapes = frontButtonShapes(body);
    for (int i = 0; i < shapes.size() && i < buttonCount; ++i) {
        const bool lit = i + 1 == highlighted;
        const bool surface = i < 2; // the two main keys are areas of the shell
        if (lit) {
            p.setPen(QPen(kAccent, 2));
            p.setBrush(QColor(255, 125, 0, surface ? 80 : 200));
        } else {
            p.setPen(QPen(kMouseLine, 1.5));
            p.setBrush(surface ? QBrush(Qt::NoBrush) : QBrush(QColor(36, 38, 43)));
        }
        p.drawPath(shapes[i]);
    }
    // The wheel's ribs
    p.setPen(QPen(highlighted == 3 ? Qt::black : QColor(90, 94, 104), 1.2));
    for (qreal y = 70; y < 110; y += 6)
        p.drawLine(QPointF(143, y), QPointF(157, y));
    // "+" on DPI+
    if (buttonCount >= 7) {
        p.setPen(QPen(highlighted == 7 ? Qt::black : kTextDim, 1.4));
        p.drawLine(QPointF(146, 153), QPointF(154, 153));
        p.drawLine(QPointF(150, 149), QPointF(150, 157));
    }
    // Buttons beyond the sample layout: numbered markers along the right side.
    for (int i = shapes.size(); i < buttonCount; ++i) {
        const QPointF c(262, 60 + (i - shapes.size()) * 28);
        const bool lit = i + 1 == highlighted;
        p.setPen(QPen(lit ? kAccent : kTextDim, 1.5));
        p.setBrush(lit ? kAccent : kControl);
        p.drawEllipse(c, 10, 10);
        p.setFont(uiFont(10, true));
        p.setPen(lit ? Qt::black : kText);
        p.drawText(QRectF(c.x() - 10, c.y() - 10, 20, 20), Qt::AlignCenter, QString::number(i + 1));
    }
    p.end();
    return image;
}

QImage mouseSide()
{
    QImage image = canvas(kMouseSide);
    QPainter p;
    begin(p, image);
    QPainterPath body;
    body.moveTo(20, 210);
    body.cubicTo(30, 120, 120, 95, 190, 110);
    body.cubicTo(250, 122, 285, 170, 282, 215);
    body.lineTo(20, 215);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(24, 214, 262, 10), 5, 5);
    QLinearGradient shade(QPointF(0, 100), QPointF(0, 215));
    shade.setColorAt(0, kMouseBodyLight);
    shade.setColorAt(1, kMouseBody.darker(140));
    p.setBrush(shade);
    p.setPen(QPen(kMouseLine, 2));
    p.drawPath(body);
    // Base plate and the accent light line along it
    p.setBrush(QColor(26, 27, 30));
    p.drawRoundedRect(QRectF(22, 200, 258, 16), 6, 6);
    p.setPen(QPen(QColor(255, 125, 0, 170), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 203), QPointF(262, 203));
    // Thumb buttons (forward at the front, right of the picture; back behind it)
    p.setPen(QPen(kMouseLine, 1.5));
    p.setBrush(QColor(36, 38, 43));
    p.drawRoundedRect(QRectF(170, 150, 52, 16), 7, 7);
    p.drawRoundedRect(QRectF(112, 150, 52, 16), 7, 7);
    // Wheel
    p.setBrush(QColor(60, 62, 70));
    p.drawEllipse(QPointF(232, 112), 14, 14);
    p.end();
    return image;
}

int paintSkin(const QString &product, int buttons)
{
    paintMainBackground();
    paintTabButtons();
    paintWindowButtons();
    paintLanguageButton();
    paintDropDown(QStringLiteral("rate.png"), kRateButton);
    paintProfileIcons();
    paintHotspots();
    paintWheelHotspots();
    paintCheckBoxes();
    paintBatteryFrames();
    paintDongles();
    paintWarning();
    paintDialogBackground();
    paintGunDialog();
    paintSpeedGroove();
    paintListIcons();
    paintProcess();
    failed |= !paintButtonPageSkin(outputDir);
    paintLightingSkin(save);
    save(logoImage(kLogo), QStringLiteral("mouselogo.png"));
    save(appIcon(kIcoSize), QStringLiteral("icon.ico"), "ico");
    if (!product.isEmpty()) {
        const QString folder = QStringLiteral("mouse/") + product;
        save(mouseFront(0, buttons), folder + QStringLiteral("/Mouse.png"));
        for (int i = 1; i <= buttons; ++i)
            save(mouseFront(i, buttons), folder + QStringLiteral("/mouse_%1.png").arg(i));
        save(mouseSide(), folder + QStringLiteral("_Side.png"));
    }
    return failed ? 1 : 0;
}

int paintDesktopIcons()
{
    for (int side : {48, 256})
        save(appIcon(side), QStringLiteral("%1x%1/zelmouse.png").arg(side));
    return failed ? 1 : 0;
}

QImage resourceButtonIcon(bool yes)
{
    QImage image = canvas(kResourceButtonIcon);
    QPainter p;
    begin(p, image);
    const qreal s = kResourceButtonIcon.width();
    const QColor tint = yes ? kAccent : QColor(170, 170, 175);
    p.setPen(QPen(tint, s * 0.07));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
    p.setPen(QPen(tint, s * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (yes) {
        p.drawPolyline(QPolygonF(QVector<QPointF>{QPointF(s * 0.28, s * 0.52), QPointF(s * 0.44, s * 0.67), QPointF(s * 0.72, s * 0.36)}));
    } else {
        p.drawLine(QPointF(s * 0.34, s * 0.34), QPointF(s * 0.66, s * 0.66));
        p.drawLine(QPointF(s * 0.34, s * 0.66), QPointF(s * 0.66, s * 0.34));
    }
    p.end();
    return image;
}

int paintCompiled()
{
    save(resourceButtonIcon(true), QStringLiteral("yes_btn.png"));
    save(resourceButtonIcon(false), QStringLiteral("no_btn.png"));
    for (int frame = 0; frame < kLoadingFrames; ++frame) {
        QImage image = canvas(kProcess);
        QPainter p;
        begin(p, image);
        const QRectF r(QPointF(0, 0), QSizeF(kProcess));
        p.setPen(QPen(kPanelEdge, 2));
        p.setBrush(QColor(24, 25, 28));
        p.drawEllipse(r.adjusted(6, 6, -6, -6));
        drawSpinner(p, r, frame, kLoadingFrames);
        p.end();
        save(image, QStringLiteral("loading_frames/frame_%1.png").arg(frame, 2, 10, QLatin1Char('0')));
    }
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption skinOption(QStringLiteral("skin"), QStringLiteral("Write the skin folder."), QStringLiteral("dir"));
    QCommandLineOption iconsOption(QStringLiteral("icons"), QStringLiteral("Write the desktop icons."), QStringLiteral("dir"));
    QCommandLineOption compiledOption(QStringLiteral("compiled"), QStringLiteral("Write the compiled-in images and animation frames."), QStringLiteral("dir"));
    QCommandLineOption productOption(QStringLiteral("product"), QStringLiteral("Product name for the mouse pictures."), QStringLiteral("name"));
    QCommandLineOption productDirOption(QStringLiteral("product-dir"), QStringLiteral("Folder of the product file naming the mouse."), QStringLiteral("dir"));
    QCommandLineOption buttonsOption(QStringLiteral("buttons"), QStringLiteral("Number of mouse buttons."), QStringLiteral("n"), QStringLiteral("7"));
    parser.addOptions({skinOption, iconsOption, compiledOption, productOption, productDirOption, buttonsOption});
    parser.addHelpOption();
    parser.process(app);

    if (parser.isSet(skinOption)) {
        outputDir = parser.value(skinOption);
        QString product = parser.value(productOption);
        int buttons = parser.value(buttonsOption).toInt();
        if (parser.isSet(productDirOption)) {
            setApplicationDirectoryOverride(parser.value(productDirOption));
            product = productName();
            buttons = productButtonCount();
        }
        return paintSkin(product, qBound(0, buttons, 20));
    }
    if (parser.isSet(iconsOption)) {
        outputDir = parser.value(iconsOption);
        return paintDesktopIcons();
    }
    if (parser.isSet(compiledOption)) {
        outputDir = parser.value(compiledOption);
        return paintCompiled();
    }
    parser.showHelp(2);
}
