#include "tools/cli/cli_trace.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdio>

namespace {

std::atomic<bool> tracing{false};

void handleMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const bool always = type == QtCriticalMsg || type == QtFatalMsg;
    if (!always && !tracing.load(std::memory_order_relaxed))
        return;
    QByteArray line = message.toLocal8Bit();
    // Trace texts may bring their own newline; print each as one line.
    if (!line.endsWith('\n'))
        line += '\n';
    // One write per line, so lines from the device threads do not interleave.
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace

void installCliMessageHandler(bool trace)
{
    // --trace is the device category; QT_LOGGING_RULES, read after these rules, still selects
    // others.
    QLoggingCategory::setFilterRules(trace ? QStringLiteral("zelmouse.*.debug=false\nzelmouse.device.debug=true")
                                           : QStringLiteral("zelmouse.*.debug=false"));
    tracing.store(trace, std::memory_order_relaxed);
    qInstallMessageHandler(handleMessage);
}
