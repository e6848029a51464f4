#include "ui/pages/zel_macro_item_delegate.h"
#include "ui/kit/skin_images.h"

#include "store/key_table.h"
#include "store/macro_events.h"
#include "ui/kit/kit_style.h"
#include "ui/pages/macro_event_table.h"
#include "ui/kit/key_names.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStandardItemModel>

namespace {

MacroEvent rowEvent(const QModelIndex &index)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(index.model());
    return model ? macroTableEvent(model, index.row()) : MacroEvent{};
}

QString keyNameOfUsage(uint8_t usage)
{
    int keyCode = 0;
    return hidUsageToKeyCode(usage, keyCode) ? shownKeyName(static_cast<unsigned>(keyCode)) : QString();
}

} // namespace

ZelMacroItemDelegate::ZelMacroItemDelegate(int minDelay, QObject *parent)
    : QStyledItemDelegate(parent), m_minDelay(minDelay > 0 ? minDelay : 10)
{
    refreshLook();
}

void ZelMacroItemDelegate::refreshLook()
{
    m_font = configuredFont();
    m_selection = currentAccentColor();
    m_selection.setAlpha(140);
}

QString ZelMacroItemDelegate::cellText(const QModelIndex &index) const
{
    const MacroEvent e = rowEvent(index);
    const int column = index.column();
    if (isMacroKeyEvent(e.map)) {
        if (column == 0)
            return keyNameOfUsage(e.dataL);
        return column == 1 ? (isMacroPress(e) ? QObject::tr("Press") : QObject::tr("Release")) : QString();
    }
    if (isMacroButtonEvent(e.map)) {
        if (column == 0) {
            const char *label = macroButtonLabel(e.dataL);
            return label ? QObject::tr(label) : QString();
        }
        return column == 1 ? (isMacroPress(e) ? QObject::tr("Press") : QObject::tr("Release")) : QString();
    }
    if (isMacroMoveEvent(e.map)) {
        MacroDirection direction;
        int distance = 0;
        macroMoveOf(e, &direction, &distance);
        if (column == 0)
            return QObject::tr(macroDirectionLabel(direction));
        return column == 1 ? QString::number(distance) : QString();
    }
    if (isMacroDelayEvent(e.map) && column == 2)
        return QObject::tr("%1 ms").arg(macroDelayUnits(e) * m_minDelay);
    return QString();
}

QString ZelMacroItemDelegate::iconPath(const QModelIndex &index) const
{
    const MacroEvent e = rowEvent(index);
    if (isMacroKeyEvent(e.map))
        return index.column() == 0 ? (isMacroPress(e) ? QStringLiteral("/skin/keydown.png") : QStringLiteral("/skin/keyup.png")) : QString();
    if (isMacroButtonEvent(e.map))
        return index.column() == 0 ? QStringLiteral("/skin/keybo.png") : QString();
    if (isMacroMoveEvent(e.map))
        return index.column() == 0 ? QStringLiteral("/skin/mouse_move.png") : QString();
    if (isMacroDelayEvent(e.map))
        return index.column() == 2 ? QStringLiteral("/skin/delay.png") : QString();
    return QString();
}

void ZelMacroItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const QRect r = option.rect;
    if (option.state & QStyle::State_Selected)
        painter->fillRect(r, m_selection);
    int x = r.left() + int(6 * m_scale);
    const QString icon = iconPath(index);
    if (!icon.isEmpty()) {
        const int side = qMin(r.height() - 2, int(16 * m_scale));
        const QPixmap pixmap = skinImage(skinPath(icon));
        if (!pixmap.isNull())
            painter->drawPixmap(QRect(x, r.top() + (r.height() - side) / 2, side, side), pixmap);
        x += side + int(6 * m_scale);
    }
    painter->setFont(m_font);
    painter->setPen(QColor(225, 225, 225));
    painter->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter, cellText(index));
    painter->restore();
}

QSize ZelMacroItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), int(22 * m_scale)));
    return size;
}
