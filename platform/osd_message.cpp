#include "platform/osd_message.h"

#include <QtEndian>

namespace {

constexpr int kTextOffset = 0;
constexpr int kFirstOffset = 512;
constexpr int kDurationOffset = 516;
constexpr int kThirdOffset = 520;
constexpr int kColourOffset = 524;
constexpr int kTextPixelsOffset = 528;
constexpr int kFontOffset = 532;

void putInt(QByteArray &block, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, block.data() + offset);
}

quint32 getInt(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint32>(block.constData() + offset);
}

// At most 255 units and a terminator; the rest of the field stays zero.
void putText(QByteArray &block, int offset, const QString &text)
{
    int units = qMin(text.size(), kOsdTextLimit);
    // Half a pair would make the whole text unreadable to a strict reader.
    if (units > 0 && units < text.size() && text.at(units - 1).isHighSurrogate())
        --units;
    for (int i = 0; i < units; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), block.data() + offset + 2 * i);
}

bool getText(const QByteArray &block, int offset, QString *text, QString *error, const char *field)
{
    QString result;
    for (int i = 0; i < kOsdTextUnits; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(block.constData() + offset + 2 * i);
        if (unit == 0) {
            *text = result;
            return true;
        }
        const QChar c(unit);
        if (c.isLowSurrogate() && !(i > 0 && result.at(result.size() - 1).isHighSurrogate())) {
            *error = QStringLiteral("the %1 holds a lone low surrogate").arg(QLatin1String(field));
            return false;
        }
        if (i > 0 && result.at(result.size() - 1).isHighSurrogate() && !c.isLowSurrogate()) {
            *error = QStringLiteral("the %1 holds a lone high surrogate").arg(QLatin1String(field));
            return false;
        }
        result.append(c);
    }
    *error = QStringLiteral("the %1 has no terminator").arg(QLatin1String(field));
    return false;
}

} // namespace

quint32 osdColour(int red, int green, int blue)
{
    return quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) | (quint32(blue & 0xFF) << 16);
}

QByteArray encodeOsdMessage(const OsdMessage &message)
{
    QByteArray block(kOsdMessageSize, '\0');
    putText(block, kTextOffset, message.text);
    putInt(block, kFirstOffset, quint32(message.first));
    putInt(block, kDurationOffset, quint32(message.durationMs));
    putInt(block, kThirdOffset, quint32(message.third));
    putInt(block, kColourOffset, message.colour);
    putInt(block, kTextPixelsOffset, quint32(message.textPixels));
    putText(block, kFontOffset, message.fontName);
    return block;
}

OsdParseResult parseOsdMessage(const QByteArray &block)
{
    OsdParseResult result;
    if (block.size() != kOsdMessageSize) {
        result.error = QStringLiteral("%1 bytes instead of %2").arg(block.size()).arg(kOsdMessageSize);
        return result;
    }
    OsdMessage &m = result.message;
    if (!getText(block, kTextOffset, &m.text, &result.error, "text")
        || !getText(block, kFontOffset, &m.fontName, &result.error, "font name"))
        return result;
    // A high surrogate just before the terminator is as broken as one elsewhere.
    for (const QString *s : {&m.text, &m.fontName}) {
        if (!s->isEmpty() && s->at(s->size() - 1).isHighSurrogate()) {
            result.error = QStringLiteral("a text ends in a lone high surrogate");
            return result;
        }
    }
    m.first = qint32(getInt(block, kFirstOffset));
    m.durationMs = qint32(getInt(block, kDurationOffset));
    m.third = qint32(getInt(block, kThirdOffset));
    m.colour = getInt(block, kColourOffset);
    m.textPixels = qint32(getInt(block, kTextPixelsOffset));
    if (m.durationMs <= 0 || m.durationMs > kOsdMaxDurationMs) {
        result.error = QStringLiteral("display time %1 ms").arg(m.durationMs);
        return result;
    }
    if (m.colour > 0xFFFFFFu) {
        result.error = QStringLiteral("colour 0x%1").arg(m.colour, 8, 16, QLatin1Char('0'));
        return result;
    }
    if (m.textPixels < kOsdMinTextPixels || m.textPixels > kOsdMaxTextPixels) {
        result.error = QStringLiteral("text height %1").arg(m.textPixels);
        return result;
    }
    result.ok = true;
    return result;
}
