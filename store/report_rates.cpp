#include "store/report_rates.h"

namespace {

struct Rate {
    int code;
    int hz;
};

constexpr Rate kRates[] = {{8, 125}, {4, 250}, {2, 500}, {1, 1000}};

} // namespace

int reportRateHz(int code)
{
    for (const Rate &rate : kRates) {
        if (rate.code == code)
            return rate.hz;
    }
    return 0;
}

int reportRateCodeForHz(int hz)
{
    for (const Rate &rate : kRates) {
        if (rate.hz == hz)
            return rate.code;
    }
    return 0;
}

QVector<int> reportRateCodes()
{
    QVector<int> codes;
    for (const Rate &rate : kRates)
        codes.append(rate.code);
    return codes;
}
