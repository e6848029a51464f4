#include "ui/kit/my_int_validator.h"

#include <QRegularExpression>

QValidator::State validateClampedInt(QString &input, int &pos, int bottom, int top)
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+$"));
    if (!decimal.match(input).hasMatch())
        return QValidator::Invalid;
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    // Digits beyond 64 bits are still a number: far below or far above the range.
    const bool negative = input.startsWith(QLatin1Char('-'));
    if ((ok && value < bottom) || (!ok && negative))
        return QValidator::Intermediate;
    if ((ok && value > top) || (!ok && !negative)) {
        input = QString::number(top);
        pos = qMin(pos, input.size());
        return QValidator::Acceptable;
    }
    return QValidator::Acceptable;
}

MyIntValidator::MyIntValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
}

QValidator::State MyIntValidator::validate(QString &input, int &pos) const
{
    return validateClampedInt(input, pos, bottom(), top());
}

MyIntValidator2::MyIntValidator2(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
}

QValidator::State MyIntValidator2::validate(QString &input, int &pos) const
{
    return validateClampedInt(input, pos, bottom(), top());
}
