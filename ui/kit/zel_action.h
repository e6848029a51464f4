#pragma once
#include <QAction>

// A menu action whose font follows the configured font each time its text is set.
class ZelAction : public QAction {
    Q_OBJECT
public:
    explicit ZelAction(QObject *parent = nullptr);
    ZelAction(const QString &text, QObject *parent = nullptr);

    void setText(const QString &text);
};
