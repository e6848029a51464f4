#pragma once
#include <QIntValidator>

// Integer fields that may be left empty while typing and that clamp values above the top to
// the top instead of refusing them ("150" in a 1..120 field becomes "120").
class MyIntValidator : public QIntValidator {
    Q_OBJECT
public:
    MyIntValidator(int bottom, int top, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

class MyIntValidator2 : public QIntValidator {
    Q_OBJECT
public:
    MyIntValidator2(int bottom, int top, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

// The rule both validators share.
QValidator::State validateClampedInt(QString &input, int &pos, int bottom, int top);
