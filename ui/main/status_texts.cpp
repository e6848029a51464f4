#include "ui/main/status_texts.h"

#include "ui/pages/report_rate_codes.h"

#include <QCoreApplication>

QString rateNoticeText(int rateCode)
{
    return reportRateText(rateCode);
}

QString dpiNoticeText(int stage, int dpi)
{
    return QCoreApplication::translate("QObject", "DPI") + QString::asprintf(" %d:%d", stage + 1, dpi);
}
