#pragma once
#include "store/macro_events.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

class QLineEdit;

// One entry of the "MOUSE ACTION" tree: a button (with its "PRESS DOWN" and "BOUNCE UP"
// children) or a movement with its distance field.
class ZelTreeItem : public QTreeWidgetItem {
public:
    enum Kind { Button, ButtonPress, ButtonRelease, Move };

    ZelTreeItem(Kind kind, uint8_t buttonBit, MacroDirection direction);

    Kind kind() const { return m_kind; }
    uint8_t buttonBit() const { return m_buttonBit; }
    MacroDirection direction() const { return m_direction; }
    // Movement items: the distance field, 1..120.
    QLineEdit *distanceEdit() const { return m_distance; }
    void setDistanceEdit(QLineEdit *edit) { m_distance = edit; }
    int distance() const;

    void retranslate();

private:
    Kind m_kind;
    uint8_t m_buttonBit;
    MacroDirection m_direction;
    QLineEdit *m_distance = nullptr;
};

// The tree of mouse actions the editor inserts: five buttons and four movements.
class ZelTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit ZelTreeWidget(QWidget *parent = nullptr);

    void retranslate();
    void setScale(double factor);
    ZelTreeItem *buttonItem(uint8_t buttonBit) const;
    ZelTreeItem *moveItem(MacroDirection direction) const;
    QList<ZelTreeItem *> allItems() const;
};
