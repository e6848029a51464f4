#include "store/key_table.h"

#include <atomic>

namespace {

constexpr int kNoUsage = -1; // the mouse buttons have names but no HID usage

struct KeyEntry {
    int keyCode;
    int hidUsage;
    const char16_t *english;
    const char16_t *french; // nullptr: same as the English name
};

// Key code, HID keyboard usage, English and French name. French names follow the AZERTY
// layout: the character printed at the key's position on a French keyboard.
constexpr KeyEntry kKeys[] = {
    {0x01, 0x29,    u"Esc",           u"Echap"},
    {0x02, 0x1E,    u"1",             u"&"},
    {0x03, 0x1F,    u"2",             u"\u00e9"},
    {0x04, 0x20,    u"3",             u"\""},
    {0x05, 0x21,    u"4",             u"'"},
    {0x06, 0x22,    u"5",             u"("},
    {0x07, 0x23,    u"6",             u"-"},
    {0x08, 0x24,    u"7",             u"\u00e8"},
    {0x09, 0x25,    u"8",             u"_"},
    {0x0A, 0x26,    u"9",             u"\u00e7"},
    {0x0B, 0x27,    u"0",             u"\u00e0"},
    {0x0C, 0x2D,    u"-",             u")"},
    {0x0D, 0x2E,    u"=",             nullptr},
    {0x0E, 0x2A,    u"Backspace",     u"Ret.arr"},
    {0x0F, 0x2B,    u"Tab",           nullptr},
    {0x10, 0x14,    u"Q",             u"a"},
    {0x11, 0x1A,    u"W",             u"z"},
    {0x12, 0x08,    u"E",             u"e"},
    {0x13, 0x15,    u"R",             u"r"},
    {0x14, 0x17,    u"T",             u"t"},
    {0x15, 0x1C,    u"Y",             u"y"},
    {0x16, 0x18,    u"U",             u"u"},
    {0x17, 0x0C,    u"I",             u"i"},
    {0x18, 0x12,    u"O",             u"o"},
    {0x19, 0x13,    u"P",             u"p"},
    {0x1A, 0x2F,    u"[",             u"^"},
    {0x1B, 0x30,    u"]",             u"$"},
    {0x1C, 0x28,    u"Enter",         u"Entree"},
    {0x1D, 0xE0,    u"LCtr",          u"LCtrl"},
    {0x1E, 0x04,    u"A",             u"q"},
    {0x1F, 0x16,    u"S",             u"s"},
    {0x20, 0x07,    u"D",             u"d"},
    {0x21, 0x09,    u"F",             u"f"},
    {0x22, 0x0A,    u"G",             u"g"},
    {0x23, 0x0B,    u"H",             u"h"},
    {0x24, 0x0D,    u"J",             u"j"},
    {0x25, 0x0E,    u"K",             u"k"},
    {0x26, 0x0F,    u"L",             u"l"},
    {0x27, 0x33,    u";",             u"m"},
    {0x28, 0x34,    u"'",             u"\u00f9"},
    {0x29, 0x35,    u"`",             u"\u00b2"},
    {0x2A, 0xE1,    u"LShift",        nullptr},
    {0x2B, 0x31,    u"\\",            u"*"},
    {0x2C, 0x1D,    u"Z",             u"w"},
    {0x2D, 0x1B,    u"X",             u"x"},
    {0x2E, 0x06,    u"C",             u"c"},
    {0x2F, 0x19,    u"V",             u"v"},
    {0x30, 0x05,    u"B",             u"b"},
    {0x31, 0x11,    u"N",             u"n"},
    {0x32, 0x10,    u"M",             u","},
    {0x33, 0x36,    u",",             u";"},
    {0x34, 0x37,    u".",             u":"},
    {0x35, 0x38,    u"/",             u"!"},
    {0x36, 0xE5,    u"RShift",        nullptr},
    {0x37, 0x46,    u"Print Screen",  nullptr},
    {0x38, 0xE2,    u"LAlt",          nullptr},
    {0x39, 0x2C,    u"Space",         u"espace"},
    {0x3A, 0x39,    u"CapsLock",      u"Verr.maj"},
    {0x3B, 0x3A,    u"F1",            nullptr},
    {0x3C, 0x3B,    u"F2",            nullptr},
    {0x3D, 0x3C,    u"F3",            nullptr},
    {0x3E, 0x3D,    u"F4",            nullptr},
    {0x3F, 0x3E,    u"F5",            nullptr},
    {0x40, 0x3F,    u"F6",            nullptr},
    {0x41, 0x40,    u"F7",            nullptr},
    {0x42, 0x41,    u"F8",            nullptr},
    {0x43, 0x42,    u"F9",            nullptr},
    {0x44, 0x43,    u"F10",           nullptr},
    {0x45, 0x48,    u"Pause Break",   nullptr},
    {0x46, 0x47,    u"Scroll Lock",   nullptr},
    {0x47, 0x4A,    u"Home",          nullptr},
    {0x48, 0x52,    u"Up",            nullptr},
    {0x49, 0x4B,    u"Page Up",       nullptr},
    {0x4A, 0x56,    u"Num -",         nullptr},
    {0x4B, 0x50,    u"Left",          nullptr},
    {0x4C, 0x5D,    u"Num 5",         nullptr},
    {0x4D, 0x4F,    u"Right",         nullptr},
    {0x4E, 0x57,    u"Num +",         nullptr},
    {0x4F, 0x4D,    u"End",           nullptr},
    {0x50, 0x51,    u"Down",          nullptr},
    {0x51, 0x4E,    u"Page Down",     nullptr},
    {0x52, 0x49,    u"Insert",        nullptr},
    {0x53, 0x4C,    u"Delete",        nullptr},
    {0x57, 0x44,    u"F11",           nullptr},
    {0x58, 0x45,    u"F12",           nullptr},
    {0x5B, 0xE3,    u"LWindows",      nullptr},
    {0x5C, 0xE7,    u"RWindows",      nullptr},
    {0x5D, 0x65,    u"App",           nullptr},
    {0xE0, 0x63,    u"Num De",        u"Num Del"},
    {0xE1, 0x53,    u"Num Lock",      nullptr},
    {0xE2, 0x54,    u"Num /",         nullptr},
    {0xE3, 0x55,    u"Num *",         nullptr},
    {0xE4, 0x61,    u"Num 9",         nullptr},
    {0xE5, 0x58,    u"Num Enter",     nullptr},
    {0xE6, 0x59,    u"Num 1",         nullptr},
    {0xE7, 0x5A,    u"Num 2",         nullptr},
    {0xE8, 0x5B,    u"Num 3",         nullptr},
    {0xE9, 0x5C,    u"Num 4",         nullptr},
    {0xEA, 0x5E,    u"Num 6",         nullptr},
    {0xEB, 0x5F,    u"Num 7",         nullptr},
    {0xEC, 0x60,    u"Num 8",         nullptr},
    {0xED, 0x62,    u"Num 0",         nullptr},
    {0xEE, 0xE4,    u"RCtr",          u"RCtrl"},
    {0xEF, 0xE6,    u"RAlt",          nullptr},
    {0xF0, kNoUsage, u"Left Button",   nullptr},
    {0xF1, kNoUsage, u"Right Button",  nullptr},
    {0xF2, kNoUsage, u"Middle Button", nullptr},
};

std::atomic<bool> g_frenchKeyNames{false};

} // namespace

// Linear scans without early exit: the last matching pair wins (the table has no duplicates).
bool keyCodeToHidUsage(int keyCode, int &hidUsage)
{
    bool found = false;
    for (const KeyEntry &key : kKeys) {
        if (key.hidUsage != kNoUsage && key.keyCode == keyCode) {
            hidUsage = key.hidUsage;
            found = true;
        }
    }
    return found;
}

bool hidUsageToKeyCode(int hidUsage, int &keyCode)
{
    bool found = false;
    for (const KeyEntry &key : kKeys) {
        if (key.hidUsage != kNoUsage && key.hidUsage == hidUsage) {
            keyCode = key.keyCode;
            found = true;
        }
    }
    return found;
}

int keyTablePairCount()
{
    int pairs = 0;
    for (const KeyEntry &key : kKeys)
        pairs += key.hidUsage != kNoUsage;
    return pairs;
}

QString keyName(unsigned keyCode, bool french)
{
    for (const KeyEntry &key : kKeys) {
        if (static_cast<unsigned>(key.keyCode) == keyCode)
            return QString::fromUtf16(french && key.french ? key.french : key.english);
    }
    return QString();
}

QString keyName(unsigned keyCode)
{
    return keyName(keyCode, frenchKeyNames());
}

void setFrenchKeyNames(int productFrenchIndex, int currentLanguageIndex)
{
    g_frenchKeyNames = productFrenchIndex != -1 && productFrenchIndex == currentLanguageIndex;
}

bool frenchKeyNames()
{
    return g_frenchKeyNames;
}

bool keyCodeNamed(const QString &name, int &keyCode)
{
    const bool french = frenchKeyNames();
    int folded = -1;
    for (const KeyEntry &key : kKeys) {
        const QString candidate = QString::fromUtf16(french && key.french ? key.french : key.english);
        if (candidate == name) {
            keyCode = key.keyCode;
            return true;
        }
        if (folded < 0 && candidate.compare(name, Qt::CaseInsensitive) == 0)
            folded = key.keyCode;
    }
    if (folded < 0)
        return false;
    keyCode = folded;
    return true;
}

QVector<int> namedKeyCodes()
{
    QVector<int> codes;
    for (const KeyEntry &key : kKeys)
        codes.append(key.keyCode);
    return codes;
}
