#pragma once
#include <QLabel>

// A label that paints its text in the configured font; a mouse press emits EnterSignal.
class ZelLabel : public QLabel {
    Q_OBJECT
public:
    explicit ZelLabel(QWidget *parent = nullptr);
    explicit ZelLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void EnterSignal(ZelLabel *label);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
