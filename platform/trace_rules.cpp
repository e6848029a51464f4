#include "platform/trace_rules.h"

#include <QLoggingCategory>
#include <QString>

void selectTraces(bool trace)
{
    if (!trace)
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}
