#include "ui/pages/zel_tree_widget.h"

#include "ui/kit/kit_style.h"
#include "ui/kit/my_int_validator.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>

namespace {

const MacroDirection kDirections[] = {MacroDirection::Left, MacroDirection::Right, MacroDirection::Up, MacroDirection::Down};
// The order the tree lists the buttons in.
const uint8_t kTreeButtons[] = {1, 4, 2, 8, 16};

} // namespace

ZelTreeItem::ZelTreeItem(Kind kind, uint8_t buttonBit, MacroDirection direction)
    : m_kind(kind), m_buttonBit(buttonBit), m_direction(direction)
{
    retranslate();
}

int ZelTreeItem::distance() const
{
    const int value = m_distance ? m_distance->text().toInt() : 1;
    return qBound(1, value, kMacroMaxDistance);
}

void ZelTreeItem::retranslate()
{
    switch (m_kind) {
    case Button:
        setText(0, QObject::tr(macroButtonLabel(m_buttonBit)));
        break;
    case ButtonPress:
        setText(0, QObject::tr("PRESS DOWN"));
        break;
    case ButtonRelease:
        setText(0, QObject::tr("BOUNCE UP"));
        break;
    case Move:
        setText(0, QObject::tr(macroDirectionLabel(m_direction)));
        break;
    }
}

ZelTreeWidget::ZelTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ZelTreeWidget"));
    setColumnCount(2);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    setRootIsDecorated(true);
    for (uint8_t bit : kTreeButtons) {
        auto *item = new ZelTreeItem(ZelTreeItem::Button, bit, MacroDirection::Left);
        item->addChild(new ZelTreeItem(ZelTreeItem::ButtonPress, bit, MacroDirection::Left));
        item->addChild(new ZelTreeItem(ZelTreeItem::ButtonRelease, bit, MacroDirection::Left));
        addTopLevelItem(item);
        // Names of buttons and their actions may use the distance column's room.
        item->setFirstColumnSpanned(true);
        for (int c = 0; c < item->childCount(); ++c)
            item->child(c)->setFirstColumnSpanned(true);
    }
    for (MacroDirection direction : kDirections) {
        auto *item = new ZelTreeItem(ZelTreeItem::Move, 0, direction);
        addTopLevelItem(item);
        auto *edit = new QLineEdit(QStringLiteral("1"), this);
        edit->setObjectName(QStringLiteral("distance%1").arg(int(direction)));
        edit->setMaxLength(3);
        edit->setAlignment(Qt::AlignCenter);
        edit->setStyleSheet(QStringLiteral("QLineEdit{background:rgb(20,20,22);color:rgb(225,225,225);border:1px solid rgb(80,84,94);}"));
        edit->setValidator(new MyIntValidator(1, kMacroMaxDistance, edit));
        setItemWidget(item, 1, edit);
        item->setDistanceEdit(edit);
    }
    retranslate();
    setScale(1.0);
}

void ZelTreeWidget::retranslate()
{
    setHeaderLabels({QObject::tr("MOUSE COMMAND"), QString()});
    for (ZelTreeItem *item : allItems())
        item->retranslate();
}

void ZelTreeWidget::setScale(double factor)
{
    setColumnWidth(1, int(30 * factor));
    for (ZelTreeItem *item : allItems()) {
        if (QLineEdit *edit = item->distanceEdit())
            edit->setFixedHeight(int(16 * factor));
    }
    setIndentation(int(14 * factor));
    setFont(configuredFont());
    // The heading keeps a font of its own once styled: it follows explicitly.
    header()->setFont(configuredFont());
}

ZelTreeItem *ZelTreeWidget::buttonItem(uint8_t buttonBit) const
{
    for (ZelTreeItem *item : allItems()) {
        if (item->kind() == ZelTreeItem::Button && item->buttonBit() == buttonBit)
            return item;
    }
    return nullptr;
}

ZelTreeItem *ZelTreeWidget::moveItem(MacroDirection direction) const
{
    for (ZelTreeItem *item : allItems()) {
        if (item->kind() == ZelTreeItem::Move && item->direction() == direction)
            return item;
    }
    return nullptr;
}

QList<ZelTreeItem *> ZelTreeWidget::allItems() const
{
    QList<ZelTreeItem *> items;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        auto *top = static_cast<ZelTreeItem *>(topLevelItem(i));
        items.append(top);
        for (int c = 0; c < top->childCount(); ++c)
            items.append(static_cast<ZelTreeItem *>(top->child(c)));
    }
    return items;
}
