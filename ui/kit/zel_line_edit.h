#pragma once
#include <QLineEdit>

// A line edit that reports losing the keyboard focus (in-place editing in list rows).
class ZelLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ZelLineEdit(QWidget *parent = nullptr);

signals:
    void zelLostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
