#include "store/settings_text.h"

#include <QDataStream>
#include <QString>

#include <algorithm>
#include <array>

namespace {

constexpr char kVariantPrefix[] = "@Variant(";
constexpr char kDateTimePrefix[] = "@DateTime(";
// A QColor in a variant, as QSettings streams it: type 67 (4 bytes), spec (1), alpha, red,
// green, blue and padding (2 bytes each).
constexpr int kColorPayloadLength = 15;
constexpr unsigned char kColorTypeBytes[4] = {0, 0, 0, 0x43};

bool isSpace(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
bool isOctal(char c) { return c >= '0' && c <= '7'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One logical line: where it starts, its length and the '=' outside quotes, if any.
struct Line {
    int start = 0;
    int length = 0;
    int equals = -1;
};

// The characters nextLine() acts on; the rest it passes over.
struct LineSyntax {
    bool special[256] = {};
    constexpr LineSyntax()
    {
        for (const char ch : {'=', '\n', '\r', '\\', '"', ';'})
            special[static_cast<unsigned char>(ch)] = true;
    }
};
constexpr LineSyntax kLineSyntax;

// Splits as QSettings does: a backslash carries the next character (line ends included),
// quotes carry everything, ';' starts a comment.
bool nextLine(const QByteArray &data, int &pos, Line &line)
{
    const int size = data.size();
    const char *const text = data.constData();
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && (isSpace(data.at(line.start)) || isLineEnd(data.at(line.start))))
        ++line.start;
    int i = line.start;
    while (i < size) {
        const char ch = text[i++];
        if (!kLineSyntax.special[static_cast<unsigned char>(ch)])
            continue;
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (isLineEnd(ch)) {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == line.start + 1) {
                while (i < size && !isLineEnd(data.at(i)))
                    ++i;
                while (i < size && (isSpace(data.at(i)) || isLineEnd(data.at(i))))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

void chopTrailingSpaces(QString &text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
        --n;
    text.truncate(n);
}

// The strings QSettings makes of a value: one, or the elements of a comma list.
QStringList decodedStrings(const QByteArray &data, int from, int to)
{
    static const char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                       {'v', '\v'}, {'"', '"'}, {'?', '?'}, {'\'', '\''}, {'\\', '\\'}};
    QStringList list;
    QString current;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    auto skipSpaces = [&] {
        while (i < to && isSpace(data.at(i)))
            ++i;
    };
    skipSpaces();
    int chopLimit = 0;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            ++i;
            if (i >= to)
                break;
            const char escaped = data.at(i++);
            bool simple = false;
            for (const auto &e : kEscapes) {
                if (escaped == e[0]) {
                    current += QLatin1Char(e[1]);
                    simple = true;
                    break;
                }
            }
            if (simple) {
                chopLimit = current.size();
                continue;
            }
            if (escaped == 'x' || isOctal(escaped)) {
                const bool hex = escaped == 'x';
                uint32_t value = hex ? 0 : uint32_t(escaped - '0');
                if (hex && (i >= to || hexValue(data.at(i)) < 0)) {
                    chopLimit = current.size();
                    continue;
                }
                while (i < to) {
                    const int digit = hex ? hexValue(data.at(i)) : (isOctal(data.at(i)) ? data.at(i) - '0' : -1);
                    if (digit < 0)
                        break;
                    value = (value << (hex ? 4 : 3)) + uint32_t(digit);
                    ++i;
                }
                current += QChar(ushort(value & 0xFFFF));
                chopLimit = current.size();
                continue;
            }
            if (isLineEnd(escaped) && i < to) {
                const char next = data.at(i);
                if (isLineEnd(next) && next != escaped)
                    ++i;
            }
            chopLimit = current.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = current.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(current, chopLimit);
            isList = true;
            list.append(current);
            current.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && data.at(j) != '\\' && data.at(j) != '"' && data.at(j) != ',')
                ++j;
            current += QString::fromLatin1(data.constData() + i, j - i);
            i = j;
        }
    }
    if (!quoted)
        chopTrailingSpaces(current, chopLimit);
    if (isList)
        list.append(current);
    else
        list = QStringList{current};
    return list;
}

bool isColorVariant(const QString &text)
{
    const int prefix = int(sizeof kVariantPrefix) - 1;
    if (text.size() != prefix + kColorPayloadLength + 1 || !text.startsWith(QLatin1String(kVariantPrefix))
        || !text.endsWith(QLatin1Char(')')))
        return false;
    for (int k = 0; k < kColorPayloadLength; ++k) {
        const ushort u = text.at(prefix + k).unicode();
        if (u > 0xFF || (k < 4 && u != kColorTypeBytes[k]))
            return false;
    }
    return true;
}

bool decodesAsVariant(const QString &text)
{
    return text.startsWith(QLatin1String(kVariantPrefix)) || text.startsWith(QLatin1String(kDateTimePrefix));
}

bool isUndecodable(const QStringList &strings)
{
    if (strings.size() == 1)
        return decodesAsVariant(strings.first()) && !isColorVariant(strings.first());
    for (const QString &s : strings) {
        if (decodesAsVariant(s))
            return true;
    }
    return false;
}

bool mayDecodeAsVariant(const QByteArray &data, int from, int to)
{
    for (int i = from; i < to; ++i) {
        const char ch = data.at(i);
        if (ch == '@' || ch == '\\')
            return true;
    }
    return false;
}

// Characters QSettings keeps as they are in key and section names; anything else it escapes.
bool isPlainNameCharacter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '-'
        || ch == '.';
}

// A key as QSettings names it: `prefix`, then the key with its backslashes as slashes. Empty
// when the spelling needs QSettings' own unescaping or key normalisation.
QString plainKey(const QString &prefix, const QByteArray &data, int from, int to)
{
    while (to > from && isSpace(data.at(to - 1)))
        --to;
    if (from == to || data.at(from) == '\\' || data.at(to - 1) == '\\')
        return QString();
    QString key(prefix.size() + to - from, Qt::Uninitialized);
    QChar *out = std::copy(prefix.constBegin(), prefix.constEnd(), key.begin());
    for (int i = from; i < to; ++i) {
        const char ch = data.at(i);
        if (ch == '\\') {
            if (data.at(i - 1) == '\\')
                return QString();
            *out++ = QLatin1Char('/');
        } else if (isPlainNameCharacter(ch)) {
            *out++ = QLatin1Char(ch);
        } else {
            return QString();
        }
    }
    return key;
}

// "[NAME]" with a plain name other than QSettings' own "General": the key prefix "NAME/".
QString plainSectionPrefix(const QByteArray &data, const Line &line)
{
    const int end = line.start + line.length;
    if (line.length < 3 || data.at(end - 1) != ']')
        return QString();
    const QByteArray name = data.mid(line.start + 1, line.length - 2);
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    for (const char ch : name) {
        if (!isPlainNameCharacter(ch))
            return QString();
    }
    return QString::fromLatin1(name) + QLatin1Char('/');
}

// Most values of a profile are small numbers: each is made once per file and shared.
using SmallNumbers = std::array<QString, 256>;

QString smallNumberOr(SmallNumbers &numbers, const char *text, int length)
{
    int n = -1;
    if (length >= 1 && length <= 3 && (length == 1 || text[0] != '0')) {
        n = 0;
        for (int i = 0; i < length && n >= 0; ++i)
            n = text[i] >= '0' && text[i] <= '9' ? n * 10 + (text[i] - '0') : -1;
    }
    if (n < 0 || n >= int(numbers.size()))
        return QString::fromLatin1(text, length);
    if (numbers[n].isNull())
        numbers[n] = QString::fromLatin1(text, length);
    return numbers[n];
}

// The value of one line as QSettings makes it; invalid when QSettings would make a list or
// anything but text or a colour.
QVariant plainValue(const QByteArray &data, int from, int to, SmallNumbers &numbers)
{
    int start = from;
    while (start < to && isSpace(data.at(start)))
        ++start;
    int end = start;
    bool simple = true;
    for (int i = start; i < to && simple; ++i) {
        const char ch = data.at(i);
        simple = ch != '\\' && ch != '"' && ch != ',';
        if (!isSpace(ch))
            end = i + 1;
    }
    if (simple) {
        if (start < to && data.at(start) == '@')
            return QVariant();
        return smallNumberOr(numbers, data.constData() + start, end - start);
    }
    const QStringList strings = decodedStrings(data, from, to);
    if (strings.size() != 1)
        return QVariant();
    const QString &text = strings.first();
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (!isColorVariant(text))
        return QVariant();
    // As QSettings decodes it: the stream from after the prefix, closing parenthesis included.
    QByteArray stream = text.midRef(int(sizeof kVariantPrefix) - 1).toLatin1();
    QDataStream in(&stream, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_4_0);
    QVariant color;
    in >> color;
    return color;
}

} // namespace

bool readPlainSettings(const QByteArray &checkedText, QHash<QString, QVariant> *values)
{
    values->clear();
    // QSettings reads a file with a byte order mark as UTF-8, not as Latin-1.
    if (checkedText.startsWith("\xEF\xBB\xBF"))
        return false;
    // A continuation with no line after it is read by QSettings in its own way; the program
    // never writes one.
    if (checkedText.endsWith('\\'))
        return false;
    QString prefix;
    SmallNumbers numbers;
    int pos = 0;
    Line line;
    while (nextLine(checkedText, pos, line)) {
        if (checkedText.at(line.start) == '[') {
            prefix = plainSectionPrefix(checkedText, line);
            if (prefix.isEmpty())
                return false;
            continue;
        }
        // Keys outside a section belong to "General", a line without '=' is a format error.
        if (prefix.isEmpty() || line.equals < 0)
            return false;
        const QString key = plainKey(prefix, checkedText, line.start, line.equals);
        if (key.isEmpty())
            return false;
        QVariant value = plainValue(checkedText, line.equals + 1, line.start + line.length, numbers);
        if (!value.isValid())
            return false;
        values->insert(key, std::move(value));
    }
    return true;
}

QByteArray withoutUndecodableValues(const QByteArray &iniText, QStringList *refusedKeys)
{
    int pos = 0;
    // QSettings skips a UTF-8 byte order mark.
    if (iniText.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    QByteArray result;
    int copiedUpTo = 0;
    Line line;
    while (nextLine(iniText, pos, line)) {
        if (iniText.at(line.start) == '[' || line.equals < 0)
            continue;
        // A variant needs an '@', spelled out or escaped.
        if (!mayDecodeAsVariant(iniText, line.equals + 1, line.start + line.length))
            continue;
        const QStringList strings = decodedStrings(iniText, line.equals + 1, line.start + line.length);
        if (!isUndecodable(strings))
            continue;
        if (refusedKeys)
            refusedKeys->append(QString::fromLatin1(iniText.mid(line.start, line.equals - line.start)).trimmed());
        result.append(iniText.constData() + copiedUpTo, line.start - copiedUpTo);
        copiedUpTo = line.start + line.length;
    }
    if (copiedUpTo == 0)
        return iniText;
    result.append(iniText.constData() + copiedUpTo, iniText.size() - copiedUpTo);
    return result;
}
