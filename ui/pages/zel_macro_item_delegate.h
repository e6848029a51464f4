#pragma once
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QStyledItemDelegate>

// Paints the event table in words: a key row shows its key's name and "Press" or "Release",
// a button row the button's name, a movement row its direction and distance, a delay row its
// length in ms; each with its icon in the first column.
class ZelMacroItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ZelMacroItemDelegate(int minDelay, QObject *parent = nullptr);

    void setScale(double factor) { m_scale = factor; }
    // Takes the configured font and accent colour again (language or skin changed).
    void refreshLook();

    // What a cell shows (for the page's property panel and for checks).
    QString cellText(const QModelIndex &index) const;
    QString iconPath(const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_minDelay;
    double m_scale = 1.0;
    QFont m_font;
    QColor m_selection;
};
