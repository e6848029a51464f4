#include "ui/main/status_texts.h"

#include "store/dpi_scale.h"

#include "ui/pages/report_rate_codes.h"

#include <QCoreApplication>

QString rateNoticeText(int rateCode)
{
    return reportRateText(rateCode);
}

QString dpiNoticeText(int stage, int dpiX, int dpiY)
{
    return QCoreApplication::translate("QObject", "DPI") + QString::asprintf(" %d:", stage + 1) + dpiPairText(dpiX, dpiY);
}
