#include "store/macro_files.h"

#include "store/app_paths.h"
#include "store/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString macroListKey(int slot)
{
    return QStringLiteral("MACRO_LIST/") + QString::number(slot);
}

QString eventKey(const char *column, int index)
{
    return QStringLiteral("Setting/") + QLatin1String(column) + QLatin1Char('_') + QString::number(index);
}

const QString kCountKey = QStringLiteral("Setting/Count");
const QString kWriteSignKey = QStringLiteral("Setting/WriteSign");

// Slot index holding `name`, -1 when none. Empty `name` finds the first free slot.
int findMacroSlot(const IniFile &config, const QString &name)
{
    for (int i = 0; i < kMacroListSize; ++i) {
        if (config.text(macroListKey(i)) == name)
            return i;
    }
    return -1;
}

// More events than any macro the editor can record or the mouse can hold; a larger stored count
// is a damaged file and must not size an allocation.
constexpr int kMaxMacroEvents = 10000;
// A delay is a 16-bit count of units of at most a second.
constexpr int64_t kMaxDefaultDelayMs = 65535 * 1000;

QVector<MacroEvent> readEvents(const IniFile &file, int maxEvents)
{
    const int n = static_cast<int>(file.boundedInteger(kCountKey, 0, 0, qMin(maxEvents, kMaxMacroEvents)));
    QVector<MacroEvent> events;
    events.reserve(n);
    for (int i = 0; i < n; ++i) {
        MacroEvent e;
        e.map = static_cast<uint8_t>(file.integer(eventKey("Map", i)));
        e.dataH = static_cast<uint8_t>(file.integer(eventKey("DataH", i)));
        e.dataL = static_cast<uint8_t>(file.integer(eventKey("DataL", i)));
        events.append(e);
    }
    return events;
}

} // namespace

int countMacros()
{
    const IniFile config(configFilePath());
    int used = 0;
    for (int i = 0; i < kMacroListSize; ++i) {
        if (!config.text(macroListKey(i)).isEmpty())
            ++used;
    }
    return used;
}

bool addMacroName(const QString &name)
{
    if (!isSafeFileName(name))
        return true;
    IniFile config(configFilePath());
    const int slot = findMacroSlot(config, QString());
    if (slot >= 0)
        config.setText(macroListKey(slot), name);
    return config.commit();
}

bool removeMacroName(const QString &name)
{
    if (name.isEmpty())
        return true;
    IniFile config(configFilePath());
    const int slot = findMacroSlot(config, name);
    if (slot >= 0)
        config.setText(macroListKey(slot), QString());
    return config.commit();
}

bool renameMacroName(const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || !isSafeFileName(newName))
        return true;
    IniFile config(configFilePath());
    const int slot = findMacroSlot(config, oldName);
    if (slot >= 0)
        config.setText(macroListKey(slot), newName);
    return config.commit();
}

QStringList listMacroNames()
{
    const IniFile config(configFilePath());
    QStringList names;
    for (int i = 0; i < kMacroListSize; ++i) {
        const QString name = config.text(macroListKey(i));
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

MacroFile readMacroFile(const QString &name)
{
    const IniFile file(macroFilePath(name));
    MacroFile macro;
    macro.filePath = file.text(QStringLiteral("Setting/MacroFilePath"));
    macro.defaultDelay = static_cast<int>(file.boundedInteger(QStringLiteral("Setting/DefaultDelay"), 0, 0, kMaxDefaultDelayMs));
    macro.delayType = static_cast<int>(file.boundedInteger(QStringLiteral("Setting/DelayType"), 0, 0, 2));
    macro.loopType = static_cast<int>(file.boundedInteger(QStringLiteral("Setting/LoopType"), 0, 0, 3));
    macro.loopTime = static_cast<int>(file.boundedInteger(QStringLiteral("Setting/LoopTime"), 0, 0, 65535));
    macro.events = readEvents(file, INT32_MAX);
    macro.writeSign = static_cast<int>(file.integer(kWriteSignKey));
    return macro;
}

bool writeMacroFile(const QString &name, const MacroFile &macro, bool markChanged)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty())
        return false;
    IniFile file(path);
    // The path it is written to, so a saved-as or renamed macro names its own file.
    file.setText(QStringLiteral("Setting/MacroFilePath"), path);
    file.setInteger(QStringLiteral("Setting/DefaultDelay"), macro.defaultDelay);
    file.setInteger(QStringLiteral("Setting/DelayType"), macro.delayType);
    file.setInteger(QStringLiteral("Setting/LoopType"), macro.loopType);
    file.setInteger(QStringLiteral("Setting/LoopTime"), macro.loopTime);
    file.setInteger(kCountKey, macro.events.size());
    for (int i = 0; i < macro.events.size(); ++i) {
        const MacroEvent &e = macro.events.at(i);
        file.setInteger(eventKey("Map", i), e.map);
        file.setInteger(eventKey("DataH", i), e.dataH);
        file.setInteger(eventKey("DataL", i), e.dataL);
    }
    if (markChanged)
        file.setInteger(kWriteSignKey, 1);
    return file.commit();
}

QVector<MacroEvent> readMacroEvents(const QString &name, int maxEvents)
{
    return readEvents(IniFile(macroFilePath(name)), maxEvents);
}

int readMacroWriteSign(const QString &name)
{
    return static_cast<int>(IniFile(macroFilePath(name)).integer(kWriteSignKey));
}

void writeMacroWriteSign(const QString &name, int sign)
{
    if (!macroFileExists(name))
        return;
    IniFile(macroFilePath(name)).setInteger(kWriteSignKey, sign);
}

bool macroFileExists(const QString &name)
{
    const QString path = macroFilePath(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool removeMacroFile(const QString &name)
{
    const QString path = macroFilePath(name);
    return !path.isEmpty() && QFile::remove(path);
}

bool renameMacroFile(const QString &oldName, const QString &newName)
{
    return renameFileWithoutOverwrite(macroFilePath(oldName), macroFilePath(newName));
}

bool importMacroFile(const QString &sourcePath, const QString &name)
{
    return copyFileWithoutOverwrite(sourcePath, macroFilePath(name));
}

int macroDisplacement(uint8_t value)
{
    return value >= 121 ? static_cast<int>(value) - 256 : static_cast<int>(value);
}

uint8_t macroDisplacementByte(int displacement)
{
    return static_cast<uint8_t>(displacement & 0xFF);
}

MacroEvent macroDelayEvent(int milliseconds, int minDelay)
{
    const int units = qBound(0, milliseconds / (minDelay > 0 ? minDelay : 1), 0xFFFF);
    MacroEvent e;
    e.map = kMacroDelay;
    e.dataH = static_cast<uint8_t>(units >> 8);
    e.dataL = static_cast<uint8_t>(units & 0xFF);
    return e;
}

bool isMacroKeyEvent(uint8_t map) { return (map & 0x7F) == 4; }
bool isMacroMoveEvent(uint8_t map) { return (map & 0x7F) == 2; }
bool isMacroDelayEvent(uint8_t map) { return (map & 0x7F) == 6; }
bool isMacroButtonEvent(uint8_t map) { return map == kMacroButtonPress || map == kMacroButtonRelease; }
