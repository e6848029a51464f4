#include "app/osd/zel_osd_window.h"

#include "platform/display_platform.h"
#include "platform/platform_log.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <utility>

ZelOsdWindow::ZelOsdWindow(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus
                          | Qt::WindowTransparentForInput | Qt::X11BypassWindowManagerHint)
{
    setWindowTitle(osdWindowTitle());
    setObjectName(QStringLiteral("ZelOsdWindow"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, [this]() { m_fade.start(); });
    // Faded by painting rather than window opacity: without a compositor the latter does nothing.
    m_fade.setStartValue(1.0);
    m_fade.setEndValue(0.0);
    m_fade.setDuration(kFadeMs);
    connect(&m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_opacity = value.toDouble();
        update();
    });
    connect(&m_fade, &QVariantAnimation::finished, this, &QWidget::hide);
}

void ZelOsdWindow::showMessage(const OsdMessage &message)
{
    if (message.text.trimmed().isEmpty()) {
        qCDebug(lcOsd, "An empty notice leaves the display as it is");
        return;
    }
    qCDebug(lcOsd).noquote() << "Showing notice" << message.text << "for" << message.durationMs << "ms";
    m_fade.stop();
    m_opacity = 1.0;
    m_text = message.text;
    m_colour = QColor(int(message.colour & 0xFF), int((message.colour >> 8) & 0xFF), int((message.colour >> 16) & 0xFF));
    m_font = QFont(message.fontName);
    m_font.setBold(true);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double scale = screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
    m_font.setPixelSize(qMax(1, int(message.textPixels * scale)));
    place();
    m_hold.start(message.durationMs);
    show();
    raise();
    update();
}

void ZelOsdWindow::place()
{
    const QFontMetrics metrics(m_font);
    const int pad = metrics.height() / 3;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // A long text wraps onto more lines rather than run off the screen or lose its end.
    const int room = area.width() * 9 / 10 - 4 * pad;
    m_wrap = Qt::TextWordWrap;
    QRect need = metrics.boundingRect(QRect(0, 0, room, area.height()), Qt::AlignCenter | m_wrap, m_text);
    if (need.width() > room) {
        // A word wider than the screen: break it too.
        m_wrap = Qt::TextWrapAnywhere;
        need = metrics.boundingRect(QRect(0, 0, room, area.height()), Qt::AlignCenter | m_wrap, m_text);
    }
    m_shown = m_text;
    const int tallest = area.height() * 3 / 4;
    if (need.height() > tallest) {
        // More than the screen can hold: as many lines as fit, the last one cut.
        const int lines = qMax(1, tallest / metrics.lineSpacing());
        m_wrap = Qt::TextWrapAnywhere;
        m_shown = metrics.elidedText(m_text, Qt::ElideRight, lines * (room - metrics.maxWidth()));
        need = metrics.boundingRect(QRect(0, 0, room, area.height()), Qt::AlignCenter | m_wrap, m_shown);
    }
    const QSize size(need.width() + 4 * pad, need.height() + 2 * pad);
    resize(size);
    // Without a compositor the translucent corners would come out black: cut them away.
    QPainterPath shape;
    const qreal radius = qMin(size.height() / 4.0, metrics.height() / 2.0);
    shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), radius, radius);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
    // Low in the middle, clear of a panel along the bottom edge. A Wayland compositor places
    // windows itself and ignores this.
    static bool told = false;
    if (onWaylandDisplay() && !std::exchange(told, true))
        qCDebug(lcOsd, "On Wayland the compositor places the notice window; it may not show low in the middle");
    move(area.center().x() - size.width() / 2, area.bottom() - area.height() / 8 - size.height());
}

bool ZelOsdWindow::textFits() const
{
    const QRect need = QFontMetrics(m_font).boundingRect(rect(), Qt::AlignCenter | m_wrap, m_shown);
    return rect().contains(need);
}

void ZelOsdWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const qreal radius = qMin(height() / 4.0, QFontMetrics(m_font).height() / 2.0); // as the mask
    QPainterPath backdrop;
    backdrop.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(backdrop, QColor(0, 0, 0, int(170 * m_opacity)));
    QColor outline = m_colour;
    outline.setAlphaF(0.8 * m_opacity);
    painter.setPen(QPen(outline, 2));
    painter.drawPath(backdrop);
    QColor ink = m_colour;
    ink.setAlphaF(m_opacity);
    painter.setPen(ink);
    painter.setFont(m_font);
    painter.drawText(rect(), Qt::AlignCenter | m_wrap, m_shown);
}
