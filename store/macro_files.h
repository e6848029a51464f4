#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

// Macro and gun files: "<config>/MacroDB/<name>.MSMACRO", keys in group "Setting"; the list of
// macro names is "MACRO_LIST/0".."MACRO_LIST/49" of the configuration file.

constexpr int kMacroListSize = 50;

// Event kinds (the "Map" byte).
constexpr uint8_t kMacroKeyPress = 0x84;
constexpr uint8_t kMacroKeyRelease = 0x04;
constexpr uint8_t kMacroButtonPress = 0x81;
constexpr uint8_t kMacroButtonRelease = 0x01;
constexpr uint8_t kMacroMove = 0x02;
constexpr uint8_t kMacroDelay = 0x06;

struct MacroEvent {
    uint8_t map = 0;
    uint8_t dataH = 0;
    uint8_t dataL = 0;
    bool operator==(const MacroEvent &o) const { return map == o.map && dataH == o.dataH && dataL == o.dataL; }
};

struct MacroFile {
    QString filePath;     // "Setting/MacroFilePath"
    int defaultDelay = 0; // "Setting/DefaultDelay", ms
    int delayType = 0;    // "Setting/DelayType": 0 none, 1 recorded, 2 default delay
    int loopType = 0;     // "Setting/LoopType": 0 none, 1 times, 2 while held, 3 until pressed again
    int loopTime = 0;     // "Setting/LoopTime", 1..255
    QVector<MacroEvent> events;
    int writeSign = 0;    // "Setting/WriteSign"
};

// The macro list. The changes are false when the configuration file could not be saved (it is
// then as it was).
int countMacros();
bool addMacroName(const QString &name);    // first empty slot; nothing when full or unsafe
bool removeMacroName(const QString &name); // first slot holding it becomes empty
QStringList listMacroNames();
// Replaces the first slot holding `oldName` by `newName` (rename keeps the slot).
bool renameMacroName(const QString &oldName, const QString &newName);

// Whole files. A missing file or an unsafe name reads as an empty macro (Count 0, WriteSign 0).
MacroFile readMacroFile(const QString &name);
// Writes every key; "Setting/WriteSign" = 1 when `markChanged` (the editor's save), left as
// it is otherwise (gun files). Event keys beyond the new count stay; readers use the count.
// "Setting/MacroFilePath" is set to the file's path when `macro.filePath` is empty. False when
// the file could not be saved (it is then as it was).
bool writeMacroFile(const QString &name, const MacroFile &macro, bool markChanged = true);

// At most `maxEvents` events, in file order (a button slot holds 63).
QVector<MacroEvent> readMacroEvents(const QString &name, int maxEvents = INT32_MAX);

// "Setting/WriteSign" of a macro file; absent = 0. Writing is refused for a missing file, so
// clearing the flag of a macro that does not exist creates nothing.
int readMacroWriteSign(const QString &name);
void writeMacroWriteSign(const QString &name, int sign);

// File operations of the editor. Each refuses unsafe names and reports success.
bool macroFileExists(const QString &name);
bool removeMacroFile(const QString &name);
bool renameMacroFile(const QString &oldName, const QString &newName); // refuses an existing target
// Copies an external macro file into the folder under `name`; refuses an existing one.
bool importMacroFile(const QString &sourcePath, const QString &name);

// Event encoding helpers.
// A displacement byte: 0..120 positive, 121..255 negative (two's complement).
int macroDisplacement(uint8_t value);
uint8_t macroDisplacementByte(int displacement);
// A delay in ms as the count of `minDelay` units, split into DataH, DataL.
MacroEvent macroDelayEvent(int milliseconds, int minDelay);
// Readers classify by the kind's low seven bits; button events are exactly 0x81 and 0x01.
bool isMacroKeyEvent(uint8_t map);
bool isMacroMoveEvent(uint8_t map);
bool isMacroDelayEvent(uint8_t map);
bool isMacroButtonEvent(uint8_t map);
