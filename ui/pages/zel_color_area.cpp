#include "ui/pages/zel_color_area.h"

#include "ui/kit/dialog_skin.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/pages/color_hex_text.h"
#include "ui/pages/default_color_area.h"
#include "ui/pages/h_color_area.h"
#include "ui/pages/preview_color_area.h"
#include "ui/pages/sv_color_area.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>

namespace {

// Design geometry at scale 1.
constexpr int kWidth = 478, kHeight = 320;
constexpr int kAreasY = 62;
constexpr int kStripX = 24, kSquareX = 70;
constexpr int kRightX = 232, kRightWidth = 216;
constexpr int kPreviewY = 69, kPreviewHeight = 40;
constexpr int kFieldY = 121, kFieldStep = 28, kFieldHeight = 24;
constexpr int kLabelWidth = 22, kSpinWidth = 76, kColumnStep = 118;
constexpr int kPresetY = 218, kPresetWidth = 24, kPresetHeight = 22, kPresetStep = 29;
constexpr int kButtonY = 262, kButtonWidth = 116, kButtonHeight = 40, kButtonGap = 12, kRightMargin = 28;

const QColor kPresetColors[ZelColorArea::kPresetCount] = {
    QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 255),
    QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
};

const char *const kFieldLabels[] = {
    QT_TRANSLATE_NOOP("QObject", "H "), QT_TRANSLATE_NOOP("QObject", "S "), QT_TRANSLATE_NOOP("QObject", "V "),
    QT_TRANSLATE_NOOP("QObject", "R "), QT_TRANSLATE_NOOP("QObject", "G "), QT_TRANSLATE_NOOP("QObject", "B "),
};

QString rgbText(const QColor &c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QRect at(int x, int y, int width, int height, double scale)
{
    return QRect(scaled(x, scale), scaled(y, scale), scaled(width, scale), scaled(height, scale));
}

} // namespace

ZelColorArea::ZelColorArea(QWidget *parent, double scale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_scale(scale)
{
    applyDialogWindowLook(this);
    setModal(true);
    setWindowTitle(QObject::tr("Color Edit"));
    setFixedSize(scaled(kWidth, scale), scaled(kHeight, scale));

    m_heading = new QLabel(QObject::tr("COLOR"), this);
    m_heading->setGeometry(at(24, 13, 300, 26, scale));
    QFont headingFont = configuredFont();
    headingFont.setPixelSize(qMax(8, scaled(16, scale)));
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_heading->setStyleSheet(QStringLiteral("color:rgb(235,235,235);background:transparent;"));
    m_heading->installEventFilter(this);

    m_strip = new HColorArea(this, scale);
    m_strip->move(scaled(kStripX, scale), scaled(kAreasY, scale));
    m_square = new SVColorArea(this, scale);
    m_square->move(scaled(kSquareX, scale), scaled(kAreasY, scale));
    m_preview = new PreviewColorArea(this, scale);
    m_preview->setGeometry(at(kRightX, kPreviewY, kRightWidth, kPreviewHeight, scale));

    // Strip -> square -> preview -> fields: every drag ends in updateEditData.
    connect(m_strip, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_preview, &PreviewColorArea::svChangedSignal, this, &ZelColorArea::updateEditData);
    connect(m_strip, &HColorArea::mouseReleaseSignal, this, &ZelColorArea::MouseReleaseSlot);
    connect(m_square, &SVColorArea::mouseReleaseSignal, this, &ZelColorArea::MouseReleaseSlot);

    buildFields();

    for (int i = 0; i < kPresetCount; ++i) {
        m_presets[i] = new DefaultColorArea(this, kPresetColors[i]);
        m_presets[i]->setGeometry(at(kStripX + i * kPresetStep, kPresetY, kPresetWidth, kPresetHeight, scale));
        connect(m_presets[i], &DefaultColorArea::ClickedSignal, this, &ZelColorArea::color_clicked);
    }

    m_cancel = makeDialogToolButton(QObject::tr("Cancel"), QIcon(QStringLiteral(":/no_Btn")), QStringLiteral("colorCancelBtn"), this);
    m_cancel->setGeometry(at(kWidth - kRightMargin - kButtonWidth, kButtonY, kButtonWidth, kButtonHeight, scale));
    connect(m_cancel, &QToolButton::clicked, this, &QDialog::reject);
    m_ok = makeDialogToolButton(QObject::tr("OK"), QIcon(QStringLiteral(":/yes_Btn")), QStringLiteral("colorOkBtn"), this);
    m_ok->setGeometry(at(kWidth - kRightMargin - 2 * kButtonWidth - kButtonGap, kButtonY, kButtonWidth, kButtonHeight, scale));
    connect(m_ok, &QToolButton::clicked, this, &QDialog::accept);

    setColor(m_color);
    // Typing a code is the quickest way to a known colour.
    m_hex->setFocus();
    m_hex->selectAll();
}

void ZelColorArea::buildFields()
{
    const QString style = skinFieldStyleSheet(m_scale);
    QFont numbers = dialogFont();
    numbers.setPixelSize(qMax(8, scaled(14, m_scale)));
    QFont labels = configuredFont();
    labels.setPixelSize(qMax(8, scaled(14, m_scale)));
    labels.setBold(true);

    void (ZelColorArea::*handlers[FieldCount])(int) = {
        &ZelColorArea::hValueChangedSlot, &ZelColorArea::sValueChangedSlot, &ZelColorArea::vValueChangedSlot,
        &ZelColorArea::rValueChangedSlot, &ZelColorArea::gValueChangedSlot, &ZelColorArea::bValueChangedSlot,
    };
    for (int i = 0; i < FieldCount; ++i) {
        const int x = kRightX + (i / 3) * kColumnStep;
        const int y = kFieldY + (i % 3) * kFieldStep;
        auto *label = new QLabel(QObject::tr(kFieldLabels[i]), this);
        label->setGeometry(at(x, y, kLabelWidth, kFieldHeight, m_scale));
        label->setFont(labels);
        label->setStyleSheet(QStringLiteral("color:rgb(200,200,200);background:transparent;"));
        auto *spin = new QSpinBox(this);
        spin->setRange(0, i == H ? 360 : 255);
        spin->setGeometry(at(x + kLabelWidth, y, kSpinWidth, kFieldHeight, m_scale));
        spin->setFont(numbers);
        spin->setStyleSheet(style);
        spin->setAccelerated(true);
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, handlers[i]);
        m_fields[i] = spin;
    }

    const int hexY = kPresetY - 1;
    auto *hash = new QLabel(QStringLiteral("#"), this);
    hash->setGeometry(at(kRightX, hexY, kLabelWidth, kFieldHeight, m_scale));
    hash->setFont(labels);
    hash->setStyleSheet(QStringLiteral("color:rgb(200,200,200);background:transparent;"));
    m_hex = new QLineEdit(this);
    m_hex->setGeometry(at(kRightX + kLabelWidth, hexY, kSpinWidth + kColumnStep, kFieldHeight, m_scale));
    m_hex->setFont(numbers);
    m_hex->setStyleSheet(style);
    m_hex->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,6}")), m_hex));
    connect(m_hex, &QLineEdit::textEdited, this, &ZelColorArea::editChangedSlot);
    connect(m_hex, &QLineEdit::editingFinished, this, &ZelColorArea::editFinishedSlot);
}

void ZelColorArea::setColor(const QColor &color)
{
    m_color = color.isValid() ? color.toRgb() : QColor(0, 0, 0);
    m_color.setAlpha(255);
    takeHsvFromColor();
    m_updating = true;
    showHsvFields();
    showRgbFields();
    showAreas();
    showHexText();
    m_updating = false;
}

void ZelColorArea::takeHsvFromColor()
{
    const QColor hsv = m_color.toHsv();
    if (hsv.hsvHue() >= 0)
        m_h = hsv.hsvHue();
    m_s = hsv.hsvSaturation();
    m_v = hsv.value();
}

void ZelColorArea::showHsvFields()
{
    m_fields[H]->setValue(m_h);
    m_fields[S]->setValue(m_s);
    m_fields[V]->setValue(m_v);
}

void ZelColorArea::showRgbFields()
{
    m_fields[R]->setValue(m_color.red());
    m_fields[G]->setValue(m_color.green());
    m_fields[B]->setValue(m_color.blue());
}

void ZelColorArea::showAreas()
{
    m_strip->setHue(m_h);
    // Halves rounded up: a full component sits on the square's far edge and reads back as 255,
    // so dragging the hue of a pure colour keeps it pure.
    m_square->setHsv(m_h, (m_s + 1) / 2, (m_v + 1) / 2);
    m_preview->setColor(m_color);
}

void ZelColorArea::showHexText()
{
    m_hex->setText(hexTextOf(m_color));
}

void ZelColorArea::hsvEdited()
{
    if (m_updating)
        return;
    m_updating = true;
    m_h = m_fields[H]->value();
    m_s = m_fields[S]->value();
    m_v = m_fields[V]->value();
    // The field allows 360, the top of the strip; as a colour it is red again.
    m_color.setHsv(m_h % 360, m_s, m_v, 255);
    m_color = m_color.toRgb();
    showAreas();
    showRgbFields();
    showHexText();
    m_updating = false;
}

void ZelColorArea::rgbEdited()
{
    if (m_updating)
        return;
    m_updating = true;
    m_color.setRgb(m_fields[R]->value(), m_fields[G]->value(), m_fields[B]->value(), 255);
    takeHsvFromColor();
    showHsvFields();
    showAreas();
    showHexText();
    m_updating = false;
}

void ZelColorArea::hValueChangedSlot(int) { hsvEdited(); }
void ZelColorArea::sValueChangedSlot(int) { hsvEdited(); }
void ZelColorArea::vValueChangedSlot(int) { hsvEdited(); }
void ZelColorArea::rValueChangedSlot(int) { rgbEdited(); }
void ZelColorArea::gValueChangedSlot(int) { rgbEdited(); }
void ZelColorArea::bValueChangedSlot(int) { rgbEdited(); }

void ZelColorArea::updateEditData(int h, int s, int v)
{
    if (m_updating)
        return;
    m_updating = true;
    m_h = h >= 360 ? 0 : h;
    m_s = s;
    m_v = v;
    m_color.setHsv(m_h, m_s, m_v, 255);
    m_color = m_color.toRgb();
    showHsvFields();
    showRgbFields();
    showHexText();
    m_updating = false;
}

void ZelColorArea::editChangedSlot(const QString &text)
{
    QColor typed;
    if (m_updating || !colorFromTypedHex(text, &typed))
        return;
    m_updating = true;
    m_color = typed;
    takeHsvFromColor();
    showHsvFields();
    showRgbFields();
    showAreas();
    m_updating = false;
    emit ZelChangeColor(m_color);
}

void ZelColorArea::editFinishedSlot()
{
    const QString completed = completedHexText(m_hex->text());
    if (completed.isEmpty()) {
        showHexText();
        return;
    }
    m_hex->setText(completed);
    editChangedSlot(completed);
}

void ZelColorArea::color_clicked()
{
    auto *swatch = qobject_cast<DefaultColorArea *>(sender());
    if (!swatch)
        return;
    const QColor preset = swatch->color();
    // Only the last component recomputes the colour, and it must even when its field
    // already held that value.
    m_updating = true;
    m_fields[R]->setValue(preset.red());
    m_fields[G]->setValue(preset.green());
    m_fields[B]->setValue(preset.blue());
    m_updating = false;
    rgbEdited();
    emit ZelChangeColor(m_color);
    emit ApplyColor();
}

void ZelColorArea::MouseReleaseSlot()
{
    emit ZelChangeColor(m_color);
}

bool ZelColorArea::eventFilter(QObject *watched, QEvent *event)
{
    // The dialog has no title bar: its heading moves it.
    if (watched == m_heading) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_dragOffset = static_cast<QMouseEvent *>(event)->globalPos() - frameGeometry().topLeft();
            return true;
        }
        if (event->type() == QEvent::MouseMove && (static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton)) {
            move(static_cast<QMouseEvent *>(event)->globalPos() - m_dragOffset);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ZelColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDialogSkin(painter, this);
}
