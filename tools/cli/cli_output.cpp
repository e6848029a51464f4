#include "tools/cli/cli_output.h"

#include <QByteArray>

#include <cstdio>

namespace {
void writeTo(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

void printResult(const QString &text)
{
    writeTo(stdout, text.endsWith(QLatin1Char('\n')) || text.isEmpty() ? text : text + QLatin1Char('\n'));
}

void printError(const QString &sentence)
{
    writeTo(stderr, QStringLiteral("zelmouse-cli: ") + sentence + QLatin1Char('\n'));
}

QString echoed(const QString &value)
{
    constexpr int kEchoedLength = 40;
    QString text = value;
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char('?');
    }
    if (text.size() <= kEchoedLength)
        return text;
    // Not between the two halves of a surrogate pair.
    const int cut = text.at(kEchoedLength - 1).isHighSurrogate() ? kEchoedLength - 1 : kEchoedLength;
    return text.left(cut) + QStringLiteral("...");
}
