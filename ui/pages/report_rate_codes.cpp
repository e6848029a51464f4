#include "ui/pages/report_rate_codes.h"

#include <QCoreApplication>

namespace {

struct RateText {
    int code;
    const char *text;
};

constexpr RateText kRateTexts[] = {
    {8, QT_TRANSLATE_NOOP("QObject", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("QObject", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("QObject", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("QObject", "1000 HZ")},
};

} // namespace

QString reportRateText(int rateCode)
{
    for (const RateText &rate : kRateTexts) {
        if (rate.code == rateCode)
            return QCoreApplication::translate("QObject", rate.text);
    }
    return QString();
}
