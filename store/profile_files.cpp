#include "store/profile_files.h"

#include "store/app_paths.h"
#include "store/app_rules.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/product_definition.h"
#include "store/store_log.h"
#include "store/value_ranges.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <QMutex>

#include <algorithm>
#include <memory>

namespace {

const QString kProfileGroup = QStringLiteral("PROFILE");
const QString kProductNameKey = QStringLiteral("MouseName/Name");

QString configProfileGroup(int index)
{
    return QStringLiteral("PROFILE_") + QString::number(index);
}

// A profile key below its group, in parts: block, then "_index", "_KeyInfo_entry" and
// "_suffix" where given ("BUTTON_INFO" 3, 10, "map" is "BUTTON_INFO_3_KeyInfo_10_map";
// "LedMode/LED_MODE" 2, "RGB" is "LedMode/LED_MODE_2_RGB").
struct KeyName {
    const char *block;
    int index = -1;
    int entry = -1;
    const char *suffix = nullptr;
};

// The one place a profile key is composed: group, "/", then the name; made from bytes, as a
// group's thousands of keys are made at once.
SettingsKey profileSettingsKey(const QByteArray &section, const KeyName &name)
{
    char text[96];
    int length = 0;
    auto put = [&](const char *part) {
        for (; *part && length < int(sizeof text); ++part)
            text[length++] = *part == '/' ? '\\' : *part;
    };
    auto number = [&](int value) {
        char digits[12];
        int at = int(sizeof digits) - 1;
        digits[at] = 0;
        do {
            digits[--at] = char('0' + value % 10);
            value /= 10;
        } while (value > 0);
        put(digits + at);
    };
    put(name.block);
    if (name.index >= 0) {
        put("_");
        number(name.index);
    }
    if (name.entry >= 0) {
        put("_KeyInfo_");
        number(name.entry);
    }
    if (name.suffix) {
        put("_");
        put(name.suffix);
    }
    return SettingsKey(section, QByteArray(text, length));
}

QString profileKey(const QString &group, const KeyName &name)
{
    return profileSettingsKey(group.toLatin1(), name).name();
}

enum class ProfileForm {
    Full,
    Export, // ".conf": without LedMoveOFF and LedSleepTime
};

class ProfileReader {
public:
    explicit ProfileReader(const IniFile &ini) : m_ini(ini) {}
    void field(const SettingsKey &key, uint8_t &f, int64_t absent = 0) { f = static_cast<uint8_t>(m_ini.integer(key, absent)); }
    void field(const SettingsKey &key, int32_t &f) { f = static_cast<int32_t>(m_ini.integer(key)); }
    void field(const SettingsKey &key, uint32_t &f) { f = static_cast<uint32_t>(m_ini.integer(key)); }
    void unsignedField(const SettingsKey &key, int32_t &f) { f = static_cast<int32_t>(m_ini.integer(key)); }
    void field(const SettingsKey &key, QString &f) { f = m_ini.text(key.name()); }
    void field(const SettingsKey &key, QColor &f) { f = m_ini.color(key.name()); }
    // An index into one of the profile's tables, held inside it.
    void index(const SettingsKey &key, uint8_t &f, int count) { f = static_cast<uint8_t>(std::clamp<int64_t>(m_ini.integer(key), 0, count - 1)); }

private:
    const IniFile &m_ini;
};

class ProfileWriter {
public:
    explicit ProfileWriter(IniFile &ini) : m_ini(ini) {}
    void field(const SettingsKey &key, const uint8_t &f, int64_t = 0) { m_ini.setInteger(key, f); }
    void field(const SettingsKey &key, const int32_t &f) { m_ini.setInteger(key, f); }
    void field(const SettingsKey &key, const uint32_t &f) { m_ini.setInteger(key, f); }
    void unsignedField(const SettingsKey &key, const int32_t &f) { m_ini.setInteger(key, static_cast<uint32_t>(f)); }
    void field(const SettingsKey &key, const QString &f) { m_ini.setText(key.name(), f); }
    void field(const SettingsKey &key, const QColor &f) { m_ini.setColor(key.name(), f); }
    void index(const SettingsKey &key, const uint8_t &f, int) { m_ini.setInteger(key, f); }

private:
    IniFile &m_ini;
};

// The profile key set, walked once for reading and once for writing so the two cannot drift.
// `key` turns a name into the key of the group walked.
template <class Io, class Key, class Profile>
void visitProfile(Io &io, Key &&key, Profile &p, ProfileForm form)
{
    io.field(key({"pollrate"}), p.pollrate);
    io.index(key({"dpi"}), p.dpi, kDpiStageCount);
    for (int i = 0; i < kDpiStageCount; ++i) {
        auto &stage = p.dpiStages[i];
        io.field(key({"DPI_INFO", i, -1, "used"}), stage.used);
        io.field(key({"DPI_INFO", i, -1, "link"}), stage.link);
        io.field(key({"DPI_INFO", i, -1, "xy"}), stage.xy);
        io.field(key({"DPI_INFO", i, -1, "x"}), stage.x);
        io.field(key({"DPI_INFO", i, -1, "y"}), stage.y);
    }
    io.field(key({"mousespeed"}), p.mousespeed);
    io.field(key({"dbclickspeed"}), p.dbclickspeed);
    io.field(key({"scrollispage"}), p.scrollispage);
    io.field(key({"scrollspeed"}), p.scrollspeed);
    io.field(key({"accelenable"}), p.accelenable);
    io.field(key({"acee"}), p.acee);
    for (int b = 0; b < kButtonSlotCount; ++b) {
        auto &slot = p.buttons[b];
        io.field(key({"BUTTON_INFO", b, -1, "ID"}), slot.ID);
        io.field(key({"BUTTON_INFO", b, -1, "Fun"}), slot.Fun);
        io.field(key({"BUTTON_INFO", b, -1, "LoopNumber"}), slot.LoopNumber);
        io.field(key({"BUTTON_INFO", b, -1, "KeyNumber"}), slot.KeyNumber);
        io.field(key({"BUTTON_INFO", b, -1, "Res1"}), slot.Res1);
        io.field(key({"BUTTON_INFO", b, -1, "Res2"}), slot.Res2);
        io.field(key({"BUTTON_INFO", b, -1, "Res3"}), slot.Res3);
        io.field(key({"BUTTON_INFO", b, -1, "Res4"}), slot.Res4);
        io.field(key({"BUTTON_INFO", b, -1, "macroname"}), slot.macroname);
        for (int k = 0; k < kKeyInfoCount; ++k) {
            auto &entry = slot.KeyInfo[k];
            io.field(key({"BUTTON_INFO", b, k, "map"}), entry.map);
            io.field(key({"BUTTON_INFO", b, k, ""}), entry.code);
            io.field(key({"BUTTON_INFO", b, k, "H"}), entry.H);
        }
    }
    io.field(key({"ProfileName"}), p.ProfileName);
    io.field(key({"ProfilePath"}), p.ProfilePath);
    io.index(key({"LedMode"}), p.LedMode, kLedEffectCount);
    if (form == ProfileForm::Full) {
        io.field(key({"LedMoveOFF"}), p.LedMoveOFF, 255);
        io.field(key({"LedSleepTime"}), p.LedSleepTime, 1);
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        auto &effect = p.ledModes[e];
        io.field(key({"LedMode/LED_MODE", e, -1, "RGB"}), effect.RGB);
        io.unsignedField(key({"LedMode/LED_MODE", e, -1, "h"}), effect.h);
        io.unsignedField(key({"LedMode/LED_MODE", e, -1, "s"}), effect.s);
        io.unsignedField(key({"LedMode/LED_MODE", e, -1, "v"}), effect.v);
        io.unsignedField(key({"LedMode/LED_MODE", e, -1, "bright"}), effect.bright);
        io.unsignedField(key({"LedMode/LED_MODE", e, -1, "breath"}), effect.breath);
    }
}

// Collects the keys of a profile group in the order of the walk.
class ProfileKeyCollector {
public:
    explicit ProfileKeyCollector(std::vector<SettingsKey> &keys) : m_keys(keys) {}
    template <class Field>
    void field(SettingsKey &&key, const Field &, int64_t = 0) { m_keys.push_back(std::move(key)); }
    void unsignedField(SettingsKey &&key, const int32_t &) { m_keys.push_back(std::move(key)); }
    void index(SettingsKey &&key, const uint8_t &, int) { m_keys.push_back(std::move(key)); }

private:
    std::vector<SettingsKey> &m_keys;
};

// The keys of a group in the order visitProfile() walks them, made once per group and form:
// reading a profile then composes none of its thousands of keys.
using ProfileKeyList = std::vector<SettingsKey>;
std::shared_ptr<const ProfileKeyList> profileKeyList(const QString &group, ProfileForm form)
{
    static QMutex mutex;
    static QHash<QString, std::shared_ptr<const ProfileKeyList>> lists;
    const QString id = group + QLatin1Char(form == ProfileForm::Full ? 'F' : 'E');
    QMutexLocker lock(&mutex);
    auto &list = lists[id];
    if (!list) {
        // One copy of the group's name for all its keys.
        const QByteArray section = group.toLatin1();
        auto keys = std::make_shared<ProfileKeyList>();
        ProfileKeyCollector collector(*keys);
        ProfileData profile;
        visitProfile(collector, [&](const KeyName &name) { return profileSettingsKey(section, name); }, profile, form);
        list = keys;
    }
    return list;
}

// Walks a group with its prepared keys, which come in the order of the walk.
template <class Io, class Profile>
void visitProfileGroup(Io &io, const QString &group, Profile &profile, ProfileForm form)
{
    const std::shared_ptr<const ProfileKeyList> keys = profileKeyList(group, form);
    size_t next = 0;
    visitProfile(io, [&](const KeyName &) -> const SettingsKey & { return keys->at(next++); }, profile, form);
}

// As stored, every number narrowed to its field.
void readProfileGroupAsStored(const IniFile &ini, const QString &group, ProfileData &profile, ProfileForm form)
{
    ProfileReader reader(ini);
    visitProfileGroup(reader, group, profile, form);
}

// What the window, the tool and the apply use: a value stored outside its range is read as the
// nearest one inside.
void readProfileGroup(const IniFile &ini, const QString &group, ProfileData &profile, ProfileForm form)
{
    readProfileGroupAsStored(ini, group, profile, form);
    bringIntoRange(ini, group, profile, form == ProfileForm::Full);
}

void writeProfileGroup(IniFile &ini, const QString &group, const ProfileData &profile, ProfileForm form)
{
    ProfileWriter writer(ini);
    visitProfileGroup(writer, group, profile, form);
}

QString slotNameKey(int slot)
{
    return QStringLiteral("Config/Profile") + QString::number(slot + 1);
}


QString productListKey(int position)
{
    return QStringLiteral("PROFILE_LIST/") + QString::number(position);
}

} // namespace

SettingsKey profileValueKey(const QString &group, const char *block, int index, const char *suffix)
{
    return profileSettingsKey(group.toLatin1(), {block, index, -1, suffix});
}

StoredValueOutOfRange firstValueOutOfRange(const QString &file)
{
    const IniFile ini(file);
    QStringList groups{kProfileGroup};
    for (int i = 0; i < kProfileCount; ++i)
        groups << configProfileGroup(i);
    for (const QString &group : qAsConst(groups)) {
        ProfileData profile;
        readProfileGroupAsStored(ini, group, profile, ProfileForm::Full);
        const QVector<StoredValueOutOfRange> outside = storedValuesOutOfRange(ini, group, profile);
        if (!outside.isEmpty())
            return outside.first();
    }
    return {};
}

void loadProfile(int index, ProfileData &profile, const QString &file)
{
    if (file.isEmpty()) {
        const IniFile ini(configFilePath());
        readProfileGroup(ini, configProfileGroup(index), profile, ProfileForm::Full);
    } else {
        const IniFile ini(file);
        readProfileGroup(ini, kProfileGroup, profile, ProfileForm::Full);
    }
}

void saveProfile(int index, const ProfileData &profile, const QString &file)
{
    if (file.isEmpty()) {
        IniFile ini(configFilePath());
        writeProfileGroup(ini, configProfileGroup(index), profile, ProfileForm::Full);
    } else {
        IniFile ini(file);
        writeProfileGroup(ini, kProfileGroup, profile, ProfileForm::Full);
    }
}

void loadSlotProfile(ProfileData &profile, const QString &name)
{
    // An unsafe name gives the profile of a missing file.
    const IniFile ini(slotProfilePath(name));
    readProfileGroup(ini, kProfileGroup, profile, ProfileForm::Full);
}

void saveSlotProfile(const QString &name, const ProfileData &profile)
{
    const QString path = slotProfilePath(name);
    if (path.isEmpty())
        return;
    IniFile ini(path);
    writeProfileGroup(ini, kProfileGroup, profile, ProfileForm::Full);
}

void loadAllSettings(DeviceSettings &settings)
{
    {
        const IniFile config(configFilePath());
        readDeviceOptions(settings, config);
        for (int i = 0; i < kProfileCount; ++i)
            settings.ProfileNames[i] = config.text(slotNameKey(i));
    }
    for (int i = 0; i < kProfileCount; ++i) {
        const QString &name = settings.ProfileNames[i];
        if (fileExists(slotProfilePath(name))) {
            loadSlotProfile(settings.profiles[i], name);
        } else {
            // Zeros are no settings (rate code 0, DPI code 0): a slot without its file gets
            // what a reset gives it, and is sent as such.
            qDebug("The profile file of slot %d (\"%s\") is missing; using the factory values.", i + 1, qUtf8Printable(name));
            resetProfile(settings.profiles[i]);
        }
    }
    loadDeviceButtonMatrix();
}

SettingsReading::SettingsReading()
    : m_settings(std::make_unique<DeviceSettings>())
    , m_reader([settings = m_settings.get()] { loadAllSettings(*settings); })
    , m_read(m_reader.started())
{
}

SettingsReading::~SettingsReading() = default;

const DeviceSettings &SettingsReading::result()
{
    m_reader.wait();
    if (!m_read) {
        loadAllSettings(*m_settings);
        m_read = true;
    }
    return *m_settings;
}

namespace {
void writeSlotNames(const DeviceSettings &settings, IniFile &config)
{
    for (int i = 0; i < kProfileCount; ++i) {
        const QString &name = settings.ProfileNames[i];
        if (isSafeFileName(name) || (i == 0 && name.isEmpty()))
            config.setText(slotNameKey(i), name);
    }
}
} // namespace

void saveSlotNames(const DeviceSettings &settings)
{
    IniFile config(configFilePath());
    writeSlotNames(settings, config);
}

bool saveSettingsForApply(const DeviceSettings &settings, QString *failedPath)
{
    SettingsSave save;
    IniFile &config = save.file(configFilePath());
    writeDeviceOptions(settings, config);
    writeSlotNames(settings, config);
    for (int i = 0; i < kProfileCount; ++i) {
        const QString &name = settings.ProfileNames[i];
        // Slot 0 is saved under the empty name too ("Profile/.prof"); later empty slots would
        // only overwrite it.
        if (name.isEmpty() && i != 0)
            continue;
        const QString path = slotProfilePath(name);
        if (!path.isEmpty())
            writeProfileGroup(save.file(path), kProfileGroup, settings.profiles[i], ProfileForm::Full);
    }
    const bool saved = save.commit();
    if (!saved && failedPath)
        *failedPath = save.failedPath();
    return saved;
}

void exportAllSettings(const DeviceSettings &settings, const QString &file)
{
    if (file.isEmpty())
        return;
    IniFile ini(file);
    writeDeviceOptions(settings, ini);
    for (int i = 0; i < kProfileCount; ++i)
        writeProfileGroup(ini, configProfileGroup(i), settings.profiles[i], ProfileForm::Export);
    // The program rules travel with the profiles they name. Without any, the file is as it
    // always was, and importing it leaves the rules where it is loaded alone.
    const AppRules rules = loadAppRules();
    if (!rules.rules.isEmpty() || !rules.otherProfile.isEmpty())
        writeAppRules(rules, ini);
}

void importAllSettings(DeviceSettings &settings, const QString &file)
{
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    const IniFile ini(file);
    readDeviceOptions(settings, ini);
    for (int i = 0; i < kProfileCount; ++i) {
        // Exports carry no slot names. Emptying them would leave the imported profiles without
        // a file to be saved to, and they would be gone at the next start.
        const QString name = ini.text(slotNameKey(i));
        if (!name.isEmpty())
            settings.ProfileNames[i] = name;
        readProfileGroup(ini, configProfileGroup(i), settings.profiles[i], ProfileForm::Export);
    }
    // Stored at once: they are no settings of the mouse. An export without them (an older
    // one) leaves the user's rules as they are.
    if (hasAppRules(ini) && !storeAppRules(readAppRules(ini)))
        qCWarning(lcStore, "The program rules of %s could not be stored.", qPrintable(file));
}

QString missingExportKey(const IniFile &file)
{
    static const QStringList keys = [] {
        QStringList all;
        all << QStringLiteral("Config/ProfileID") << deviceOptionKeys();
        for (int i = 0; i < kProfileCount; ++i) {
            for (const SettingsKey &key : *profileKeyList(configProfileGroup(i), ProfileForm::Export))
                all << key.name();
        }
        return all;
    }();
    for (const QString &key : keys) {
        if (!file.contains(key))
            return key;
    }
    return QString();
}

QString readProductNameOfFile(const QString &file)
{
    return file.isEmpty() ? QString() : IniFile(file).text(kProductNameKey);
}

void writeProductNameToFile(const QString &name, const QString &file)
{
    if (!file.isEmpty())
        IniFile(file).setText(kProductNameKey, name);
}

void writeActiveStage(QSettings &profileFile, int stage)
{
    profileFile.setValue(profileKey(kProfileGroup, {"dpi"}), stage);
}

bool writeActiveStage(const QString &profileFile, int stage)
{
    IniFile file(profileFile);
    file.setInteger(profileKey(kProfileGroup, {"dpi"}), stage);
    return file.commit();
}

QStringList loadProductProfileList()
{
    const IniFile list(productListPath(readCurrentProductName()));
    const int64_t count = list.integer(QStringLiteral("PROFILE_LIST/Count"));
    QStringList names;
    // Bounded by what a list can sensibly hold, so a corrupt count cannot stall start-up.
    for (int64_t n = 1; n <= qMin<int64_t>(count, 10000); ++n)
        names.append(list.text(productListKey(static_cast<int>(n))));
    return names;
}

void saveProductProfileList(const QStringList &names)
{
    IniFile list(productListPath(readCurrentProductName()));
    list.setInteger(QStringLiteral("PROFILE_LIST/Count"), names.size());
    for (int n = 0; n < names.size(); ++n)
        list.setText(productListKey(n + 1), names.at(n));
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString libraryProfilePath(const QString &name)
{
    return productProfilePath(readCurrentProductName(), name);
}

bool libraryProfileExists(const QString &name)
{
    return fileExists(libraryProfilePath(name));
}

bool createLibraryProfile(const QString &name)
{
    return copyFileWithoutOverwrite(defaultProfilePath(), libraryProfilePath(name));
}

bool copyLibraryProfile(const QString &from, const QString &to)
{
    return copyFileWithoutOverwrite(libraryProfilePath(from), libraryProfilePath(to));
}

bool renameLibraryProfile(const QString &from, const QString &to)
{
    return renameFileWithoutOverwrite(libraryProfilePath(from), libraryProfilePath(to));
}

bool removeLibraryProfile(const QString &name)
{
    const QString path = libraryProfilePath(name);
    return !path.isEmpty() && QFile::remove(path);
}

QString importLibraryProfile(const QString &sourcePath)
{
    const QString name = QFileInfo(sourcePath).completeBaseName();
    return copyFileWithoutOverwrite(sourcePath, libraryProfilePath(name)) ? name : QString();
}

bool exportLibraryProfile(const QString &name, const QString &targetPath)
{
    const QString source = libraryProfilePath(name);
    if (!fileExists(source) || targetPath.isEmpty() || QFileInfo::exists(targetPath))
        return false;
    writeProductNameToFile(readCurrentProductName(), source);
    return QFile::copy(source, targetPath);
}
