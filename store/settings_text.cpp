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
struct PlainNameCharacters {
    bool plain[256] = {};
    constexpr PlainNameCharacters()
    {
        for (int ch = 0; ch < 256; ++ch)
            plain[ch] = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                || ch == '-' || ch == '.';
    }
};
constexpr PlainNameCharacters kPlainName;

bool isPlainNameCharacter(char ch)
{
    return kPlainName.plain[static_cast<unsigned char>(ch)];
}

// "[NAME]" with a plain name other than QSettings' own "General".
QByteArray plainSectionName(const QByteArray &data, const Line &line)
{
    const int end = line.start + line.length;
    if (line.length < 3 || data.at(end - 1) != ']')
        return QByteArray();
    const QByteArray name = data.mid(line.start + 1, line.length - 2);
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QByteArray();
    for (const char ch : name) {
        if (!isPlainNameCharacter(ch))
            return QByteArray();
    }
    return name;
}

// FNV-1a over a key as QSettings names it, so that it comes out the same from the file's bytes
// and from a QString.
constexpr uint32_t kHashStart = 2166136261u;
inline uint32_t hashStep(uint32_t hash, unsigned char ch)
{
    return (hash ^ (ch == '\\' ? '/' : ch)) * 16777619u;
}

uint32_t hashBytes(uint32_t hash, const char *text, int length)
{
    for (int i = 0; i < length; ++i)
        hash = hashStep(hash, static_cast<unsigned char>(text[i]));
    return hash;
}

// The hash of "section/", which every key of the section continues.
uint32_t sectionHashOf(const QByteArray &section)
{
    return hashStep(hashBytes(kHashStart, section.constData(), section.size()), '/');
}

// The trimmed key of a line, when QSettings would name it as spelled (backslashes as slashes):
// plain characters, single backslashes between them; with its hash, in the same pass.
bool plainKey(const char *data, int from, int &to, uint32_t &hash)
{
    while (to > from && isSpace(data[to - 1]))
        --to;
    if (from == to || data[from] == '\\' || data[to - 1] == '\\')
        return false;
    char previous = 0;
    for (int i = from; i < to; ++i) {
        const char ch = data[i];
        if (ch == '\\' ? previous == '\\' : !isPlainNameCharacter(ch))
            return false;
        previous = ch;
        hash = hashStep(hash, static_cast<unsigned char>(ch));
    }
    return true;
}

// A plain decimal number, as QString::toLongLong() reads it; false for anything it would have
// to look at more closely.
bool plainDecimal(const char *text, int length, int64_t *value)
{
    const bool negative = length > 0 && text[0] == '-';
    const int first = negative ? 1 : 0;
    if (length <= first || length - first > 18)
        return false;
    int64_t n = 0;
    for (int i = first; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        n = n * 10 + (text[i] - '0');
    }
    *value = negative ? -n : n;
    return true;
}

// What a colour variant's text decodes to, as QSettings decodes it.
QVariant decodedColor(const QString &text)
{
    // The stream from after the prefix, closing parenthesis included.
    QByteArray stream = text.midRef(int(sizeof kVariantPrefix) - 1).toLatin1();
    QDataStream in(&stream, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_4_0);
    QVariant color;
    in >> color;
    return color;
}

} // namespace

void PlainSettings::clear()
{
    m_text.clear();
    m_entries.clear();
    m_decoded.clear();
    m_sections.clear();
    m_slots.clear();
}

bool PlainSettings::read(const QByteArray &text)
{
    clear();
    // QSettings reads a file with a byte order mark as UTF-8, not as Latin-1; and reads a
    // continuation with no line after it in its own way. The program writes neither.
    if (text.startsWith("\xEF\xBB\xBF") || text.endsWith('\\'))
        return false;
    m_text = text;
    const char *const data = m_text.constData();
    // Sized once for a key on every line: a profile holds thousands, and growing the table
    // step by step would keep old and new copies at once.
    const size_t lines = size_t(std::count(data, data + m_text.size(), '\n')) + 1;
    m_entries.reserve(lines);
    size_t slotCount = 64;
    while (slotCount < 2 * lines)
        slotCount *= 2;
    m_slots.assign(slotCount, -1);
    QHash<QByteArray, int> sectionIndex;
    int section = -1;
    uint32_t sectionHash = kHashStart;
    int pos = 0;
    Line line;
    while (nextLine(m_text, pos, line)) {
        if (data[line.start] == '[') {
            const QByteArray name = plainSectionName(m_text, line);
            if (name.isEmpty()) {
                clear();
                return false;
            }
            section = sectionIndex.value(name, -1);
            if (section < 0) {
                section = m_sections.size();
                sectionIndex.insert(name, section);
                m_sections.append(name);
            }
            sectionHash = sectionHashOf(name);
            continue;
        }
        // Keys outside a section belong to "General", a line without '=' is a format error.
        int keyTo = line.equals;
        uint32_t hash = sectionHash;
        if (section < 0 || line.equals < 0 || !plainKey(data, line.start, keyTo, hash)) {
            clear();
            return false;
        }
        Entry entry;
        entry.section = section;
        entry.keyFrom = line.start;
        entry.keyTo = keyTo;
        entry.hash = hash;
        entry.spanFrom = line.equals + 1;
        entry.spanTo = line.start + line.length;
        entry.decoded = -1;
        int start = entry.spanFrom;
        while (start < entry.spanTo && isSpace(data[start]))
            ++start;
        int end = start;
        bool simple = true;
        for (int i = start; i < entry.spanTo; ++i) {
            const char ch = data[i];
            if (ch == '\\' || ch == '"' || ch == ',') {
                simple = false;
                break;
            }
            if (!isSpace(ch))
                end = i + 1;
        }
        entry.valueFrom = start;
        entry.valueTo = end;
        if (simple && start < entry.spanTo && data[start] == '@') {
            clear();
            return false;
        }
        if (!simple) {
            // Quoted or escaped: decoded now, once. A list, or anything but text or a colour,
            // is left to QSettings.
            const QStringList strings = decodedStrings(m_text, entry.spanFrom, entry.spanTo);
            const bool variant = strings.size() == 1 && strings.first().startsWith(QLatin1Char('@'));
            if (strings.size() != 1 || (variant && !isColorVariant(strings.first()))) {
                clear();
                return false;
            }
            entry.decoded = int(m_decoded.size());
            m_decoded.push_back(variant ? decodedColor(strings.first()) : QVariant(strings.first()));
        }
        insert(entry);
    }
    return true;
}

void PlainSettings::insert(const Entry &entry)
{
    // A key given twice reads as its last value, as in QSettings.
    const int existing = findRaw(entry.hash, entry.section, m_text.constData() + entry.keyFrom, entry.keyTo - entry.keyFrom);
    if (existing >= 0) {
        m_entries[existing] = entry;
        return;
    }
    m_entries.push_back(entry);
    if (m_entries.size() * 2 > m_slots.size()) {
        m_slots.assign(m_slots.size() * 2, -1);
        for (int i = 0; i < int(m_entries.size()); ++i)
            placeInSlot(i);
    } else {
        placeInSlot(int(m_entries.size()) - 1);
    }
}

void PlainSettings::placeInSlot(int index)
{
    size_t slot = m_entries[index].hash & (m_slots.size() - 1);
    while (m_slots[slot] >= 0)
        slot = (slot + 1) & (m_slots.size() - 1);
    m_slots[slot] = index;
}

int PlainSettings::findRaw(uint32_t hash, int section, const char *key, int length) const
{
    if (m_slots.empty())
        return -1;
    for (size_t slot = hash & (m_slots.size() - 1); m_slots[slot] >= 0; slot = (slot + 1) & (m_slots.size() - 1)) {
        const Entry &e = m_entries[m_slots[slot]];
        if (e.hash == hash && e.section == section && e.keyTo - e.keyFrom == length
            && std::equal(key, key + length, m_text.constData() + e.keyFrom))
            return m_slots[slot];
    }
    return -1;
}

QVariant PlainSettings::value(const QString &key) const
{
    return valueAt(find(SettingsKey(key)));
}

QVariant PlainSettings::valueAt(int index) const
{
    if (index < 0)
        return QVariant();
    const Entry &e = m_entries[index];
    if (e.decoded >= 0)
        return m_decoded[e.decoded];
    return QString::fromLatin1(m_text.constData() + e.valueFrom, e.valueTo - e.valueFrom);
}

int64_t PlainSettings::integer(const QString &key, int64_t absent) const
{
    return integer(SettingsKey(key), absent);
}

int64_t PlainSettings::integer(const SettingsKey &key, int64_t absent) const
{
    const int index = find(key);
    if (index < 0)
        return absent;
    const Entry &e = m_entries[index];
    int64_t n = 0;
    if (e.decoded < 0 && plainDecimal(m_text.constData() + e.valueFrom, e.valueTo - e.valueFrom, &n))
        return n;
    bool ok = false;
    n = valueAt(index).toLongLong(&ok);
    return ok ? n : 0;
}

int PlainSettings::find(const SettingsKey &key) const
{
    if (!key.plain || m_slots.empty())
        return -1;
    const int section = m_sections.indexOf(key.section);
    return section < 0 ? -1 : findRaw(key.hash, section, key.spelled.constData(), key.spelled.size());
}

QString SettingsKey::name() const
{
    if (!plain)
        return m_name;
    return QString::fromLatin1(section + '/' + spelled).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

SettingsKey::SettingsKey(const QString &key)
    : m_name(normalizedSettingsKey(key))
{
    const int slash = m_name.indexOf(QLatin1Char('/'));
    plain = slash > 0;
    for (const QChar ch : m_name)
        plain = plain && ch.unicode() <= 0x7F && ch != QLatin1Char('\\');
    if (!plain)
        return;
    *this = SettingsKey(m_name.left(slash).toLatin1(), m_name.mid(slash + 1).toLatin1().replace('/', '\\'));
}

SettingsKey::SettingsKey(const QByteArray &sectionName, const QByteArray &spelledName)
    : section(sectionName)
    , spelled(spelledName)
    , plain(true)
{
    hash = hashBytes(sectionHashOf(section), spelled.constData(), spelled.size());
}

QString PlainSettings::keyOf(const Entry &e) const
{
    const QByteArray &section = m_sections.at(e.section);
    QString key(section.size() + 1 + e.keyTo - e.keyFrom, Qt::Uninitialized);
    QChar *out = std::copy(section.constBegin(), section.constEnd(), key.begin());
    *out++ = QLatin1Char('/');
    for (int i = e.keyFrom; i < e.keyTo; ++i)
        *out++ = QLatin1Char(m_text.at(i) == '\\' ? '/' : m_text.at(i));
    return key;
}

QStringList PlainSettings::keys() const
{
    QStringList keys;
    keys.reserve(int(m_entries.size()));
    for (const Entry &e : m_entries)
        keys.append(keyOf(e));
    std::sort(keys.begin(), keys.end());
    return keys;
}

bool PlainSettings::valueSpan(const QString &key, int *from, int *to) const
{
    return valueSpan(SettingsKey(key), from, to);
}

PlainSettings::Match PlainSettings::compareValue(const SettingsKey &key, const QByteArray &text) const
{
    const int index = find(key);
    if (index < 0 || m_entries[index].decoded >= 0)
        return Match::Unknown;
    const Entry &e = m_entries[index];
    const bool same = e.valueTo - e.valueFrom == text.size()
                      && std::equal(text.constData(), text.constData() + text.size(), m_text.constData() + e.valueFrom);
    return same ? Match::Same : Match::Different;
}

bool PlainSettings::valueSpan(const SettingsKey &key, int *from, int *to) const
{
    const int index = find(key);
    if (index < 0)
        return false;
    *from = m_entries[index].spanFrom;
    *to = m_entries[index].spanTo;
    return true;
}

QString normalizedSettingsKey(const QString &key)
{
    const int size = key.size();
    bool normal = size == 0 || (key.at(0) != QLatin1Char('/') && key.at(size - 1) != QLatin1Char('/'));
    for (int i = 1; normal && i < size; ++i)
        normal = key.at(i) != QLatin1Char('/') || key.at(i - 1) != QLatin1Char('/');
    if (normal)
        return key;
    QString result;
    result.reserve(key.size());
    for (const QChar ch : key) {
        if (ch == QLatin1Char('/') && (result.isEmpty() || result.endsWith(QLatin1Char('/'))))
            continue;
        result += ch;
    }
    if (result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

QByteArray iniValueText(const QVariant &value)
{
    QString text;
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toString().toLatin1();
    case QMetaType::QString:
        text = value.toString();
        // QSettings writes text with a NUL in it as a variant of its own.
        if (text.contains(QChar::Null))
            return QByteArray();
        // QSettings marks text that would read as a variant with a second '@'.
        if (text.startsWith(QLatin1Char('@')))
            text.prepend(QLatin1Char('@'));
        break;
    case QMetaType::QColor: {
        QByteArray stream;
        QDataStream out(&stream, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_0);
        out << value;
        text = QLatin1String(kVariantPrefix) + QString::fromLatin1(stream.constData(), stream.size()) + QLatin1Char(')');
        break;
    }
    default:
        return QByteArray();
    }
    // Escaped as QSettings escapes a value without a text codec: C escapes, non-ASCII as \x with
    // as many hex digits as needed (so a hex digit right after one is escaped too), and quotes
    // around text with a separator in it or a blank at either end.
    QByteArray result;
    result.reserve(text.size() * 3 / 2);
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar qc : text) {
        const uint ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && hexValue(ch < 0x80 ? char(ch) : 'g') >= 0) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': result += "\\a"; break;
        case '\b': result += "\\b"; break;
        case '\f': result += "\\f"; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        case '\t': result += "\\t"; break;
        case '\v': result += "\\v"; break;
        case '"':
        case '\\':
            result += '\\';
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                result += char(ch);
            }
        }
    }
    if (needsQuotes || (!result.isEmpty() && (result.startsWith(' ') || result.endsWith(' ')))) {
        result.prepend('"');
        result.append('"');
    }
    return result;
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
