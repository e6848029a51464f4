#include "ui/kit/zel_push_button.h"
#include "ui/kit/skin_images.h"

#include "ui/kit/keyboard_access.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

ZelPushButton::ZelPushButton(const QStringList &images, QWidget *parent, const QString &text)
    : QPushButton(parent)
{
    setImages(images);
    setText(text);
    // Reached with Tab only: a click must not take the focus from a field or a recording.
    setFocusPolicy(Qt::TabFocus);
}

ZelPushButton::ZelPushButton(const QString &image, QWidget *parent, const QString &text)
    : ZelPushButton(QStringList{image}, parent, text)
{
}

void ZelPushButton::setImages(const QStringList &images)
{
    m_images.clear();
    for (const QString &path : images.mid(0, 4))
        m_images.append(skinImage(path));
    updateGeometry();
    update();
}

void ZelPushButton::setText(const QString &text)
{
    m_text = text;
    QPushButton::setText(text);
    setToolTip(m_mark.isEmpty() ? text : m_mark);
    update();
}

void ZelPushButton::setMark(const QString &note)
{
    m_mark = note;
    setToolTip(note.isEmpty() ? m_text : note);
    update();
}

void ZelPushButton::setNumber(quint8 number)
{
    m_number = number;
    update();
}

void ZelPushButton::setTextRightInset(int designPixels)
{
    m_rightInset = designPixels;
    update();
}

QString ZelPushButton::displayText() const
{
    if (m_number == 0)
        return m_text;
    const QString prefix = m_number == 253 ? QStringLiteral("  ") : QString::asprintf("  %d", m_number);
    return prefix + QStringLiteral("  ") + m_text;
}

void ZelPushButton::setSwatchColor(const QColor &color)
{
    m_swatch = color;
    update();
}

int ZelPushButton::currentImageIndex() const
{
    if (m_images.isEmpty())
        return -1;
    return m_state < m_images.size() ? m_state : 0;
}

QSize ZelPushButton::sizeHint() const
{
    if (!m_images.isEmpty() && !m_images.first().isNull())
        return m_images.first().size();
    return QPushButton::sizeHint();
}

void ZelPushButton::showImage(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

QColor ZelPushButton::textColor() const
{
    // The alternative colours suit products whose button art is light.
    static const QColor normal[4] = {QColor(200, 200, 200), QColor(255, 255, 255), QColor(255, 255, 255), QColor(110, 110, 110)};
    static const QColor alternative[4] = {QColor(40, 40, 40), QColor(0, 0, 0), QColor(0, 0, 0), QColor(140, 140, 140)};
    const int state = isEnabled() ? qBound(0, m_state, 2) : Disabled;
    return buttonColorMode() != 0 ? alternative[state] : normal[state];
}

void ZelPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_swatch.isValid()) {
        const QColor edge = (m_state == Over || m_state == Pressed || isChecked()) ? QColor(255, 255, 255) : QColor(90, 90, 90);
        painter.setPen(QPen(edge, 1));
        painter.setBrush(isEnabled() ? m_swatch : m_swatch.darker(200));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    } else {
        const int index = currentImageIndex();
        if (index >= 0)
            painter.drawPixmap(rect(), m_images.at(index));
    }
    const QString shown = displayText();
    if (shown.isEmpty())
        return;
    const QRect area = textArea();
    const QFont font = fittedFont(configuredFont(), shown, area.width());
    painter.setFont(font);
    painter.setPen(m_mark.isEmpty() ? textColor() : currentAccentColor());
    const QString fitted = QFontMetrics(font).elidedText(shown, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fitted);
    if (!m_mark.isEmpty()) {
        const QRect drawn = QFontMetrics(font).boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, fitted);
        painter.fillRect(QRect(drawn.left(), drawn.bottom() + 1, drawn.width(), qMax(1, scaled(2))), currentAccentColor());
    }
}

QRect ZelPushButton::textArea() const
{
    return rect().adjusted(scaled(8), 0, -2 - scaled(m_rightInset), 0);
}

bool ZelPushButton::textFits() const
{
    const QString shown = displayText();
    const QRect area = textArea();
    const QFontMetrics metrics(fittedFont(configuredFont(), shown, area.width()));
    return metrics.elidedText(shown, Qt::ElideRight, area.width()) == shown && metrics.height() <= area.height();
}

QFont ZelPushButton::fittedFont(QFont font, const QString &text, int width)
{
    // Translations run longer than the English the buttons were sized for: shrink the font a
    // little before cutting the text (the tool tip always has all of it).
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const int smallest = qMax(6, pixels * 3 / 4);
    // Measured as paint cuts: the rounded advance can pass where the exact one does not.
    while (pixels > smallest && QFontMetrics(font).elidedText(text, Qt::ElideRight, width) != text) {
        --pixels;
        font.setPixelSize(pixels);
    }
    return font;
}

void ZelPushButton::enterEvent(QEvent *event)
{
    if (isEnabled()) {
        emit OverSignal(this, true);
        if (m_images.size() > 1)
            showImage(Over);
    }
    QPushButton::enterEvent(event);
}

void ZelPushButton::leaveEvent(QEvent *event)
{
    if (isEnabled()) {
        emit OverSignal(this, false);
        showImage(isCheckable() && isChecked() ? Over : Normal);
    }
    QPushButton::leaveEvent(event);
}

void ZelPushButton::press()
{
    if (isCheckable()) {
        const bool nowChecked = !isChecked();
        setChecked(nowChecked);
        if (m_images.size() > 2)
            showImage(nowChecked ? Pressed : Normal);
    }
    emit EnterSignal(this);
}

void ZelPushButton::mousePressEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton)
        press();
    QPushButton::mousePressEvent(event);
}

void ZelPushButton::keyPressEvent(QKeyEvent *event)
{
    if (!isPressKey(*event) || !isEnabled()) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    // What a left press and release do: the press's own signal, then clicked (or the menu).
    QPointer<ZelPushButton> alive(this);
    press();
    if (alive)
        click();
}

void ZelPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton && m_images.size() > 1)
        showImage(Over);
    QPushButton::mouseReleaseEvent(event);
}

void ZelPushButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            showImage(Disabled);
        else
            showImage(isCheckable() && isChecked() && m_images.size() > 1 ? Over : Normal);
    }
    QPushButton::changeEvent(event);
}

void ZelPushButton::nextCheckState()
{
    // The press already toggled; a click must not toggle back.
}

void ZelPushButton::checkStateSet()
{
    // Checked from code (a tab chosen, a hotspot selected): show the resting image of the new
    // state. A press in progress shows its own image.
    if (!isEnabled() || isDown())
        return;
    if (m_images.size() > 1)
        showImage(isChecked() ? Over : Normal);
}
