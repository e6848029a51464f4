#include "store/language_config.h"

#include "store/app_paths.h"
#include "store/ini_file.h"

#include <QFile>
#include <QHash>
#include <QMutex>

#include <sys/stat.h>

namespace {

struct Rgb {
    int r, g, b;
};

// Indexed by "Config/GColorID".
constexpr Rgb kAccentTable[kAccentColorCount] = {
    {255, 0, 0},     // 0 red
    {0, 255, 0},     // 1 green
    {0, 0, 255},     // 2 blue
    {219, 200, 182}, // 3 sand
    {255, 0, 255},   // 4 magenta
    {0, 255, 255},   // 5 cyan
    {255, 125, 0},   // 6 orange
};

// Where the DPI sliders' gradient starts, by the same index as the accent colour.
constexpr Rgb kGradientStartTable[kAccentColorCount] = {
    {255, 200, 0}, {0, 255, 100}, {0, 200, 255}, {255, 100, 0}, {255, 0, 100}, {0, 255, 100}, {255, 255, 0},
};

// The accent colour appears twice: the frame of the hovered item and the pressed item's fill.
const char kMenuStyleTemplate[] =
    "QMenu{background-color:rgb(50,50,50);color:rgb(255,255,255);}"
    "QMenu::item{color:rgb(255,255,255);padding:0px 20px 0px 20px;text-align:center;}"
    "QMenu::item:selected{border:1px solid rgb(%1,%2,%3);}"
    "QMenu::item:pressed{color:rgb(0,0,0);background-color:rgb(%4,%5,%6);}";

int currentLanguage = 0;

// Pixels at scale 1; a larger font fits no button and only slows the text fitting down.
constexpr int kMaxFontPixelSize = 100;

// Every styled widget asks for its font and the accent colour: Config.ini is read again only
// when it changed (saves replace the file: a new inode and change time).
class StyleSettingsCache {
public:
    LanguageFont font(int languageIndex)
    {
        QMutexLocker lock(&m_mutex);
        refresh();
        const auto found = m_fonts.constFind(languageIndex);
        if (found != m_fonts.constEnd())
            return *found;
        const IniFile file(m_path);
        LanguageFont font;
        font.family = file.text(QString::asprintf("FONT_LIST/FONT_%d", languageIndex));
        font.pixelSize = int(file.boundedInteger(QString::asprintf("FONT_LIST/FONT_SIZE_%d", languageIndex), 0, 0, kMaxFontPixelSize));
        m_fonts.insert(languageIndex, font);
        return font;
    }

    int accentIndex()
    {
        QMutexLocker lock(&m_mutex);
        refresh();
        if (m_accent < 0)
            m_accent = int(IniFile(m_path).boundedInteger(QStringLiteral("Config/GColorID"), 0, 0, kAccentColorCount - 1));
        return m_accent;
    }

private:
    void refresh()
    {
        const QString path = configFilePath();
        struct stat st {};
        const QByteArray stamp = ::stat(QFile::encodeName(path).constData(), &st) != 0
            ? QByteArray()
            : QByteArray::number(qulonglong(st.st_ino)) + ' ' + QByteArray::number(qlonglong(st.st_size)) + ' '
                + QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.' + QByteArray::number(qlonglong(st.st_mtim.tv_nsec)) + ' '
                + QByteArray::number(qlonglong(st.st_ctim.tv_sec)) + '.' + QByteArray::number(qlonglong(st.st_ctim.tv_nsec));
        if (path == m_path && stamp == m_stamp)
            return;
        m_path = path;
        m_stamp = stamp;
        m_fonts.clear();
        m_accent = -1;
    }

    QMutex m_mutex;
    QString m_path;
    QByteArray m_stamp;
    QHash<int, LanguageFont> m_fonts;
    int m_accent = -1;
};

StyleSettingsCache &styleSettings()
{
    static StyleSettingsCache cache;
    return cache;
}

} // namespace

QString languageConfigPath()
{
    return configDirectory() + QStringLiteral("/LangConfig.ini");
}

QString translationFilePath(const QString &baseName)
{
    return applicationDirectory() + QStringLiteral("/lang/") + baseName + QStringLiteral(".qm");
}

int readLanguageIndex()
{
    return int(IniFile(languageConfigPath()).boundedInteger(QStringLiteral("Config/LangID"), 0, 0, kLanguageSlots - 1));
}

void writeLanguageIndex(int index)
{
    IniFile(languageConfigPath()).setInteger(QStringLiteral("Config/LangID"), index);
}

void readLanguageTable(LanguageTable &table)
{
    const IniFile file(configFilePath());
    table.count = int(file.boundedInteger(QStringLiteral("FONT_LIST/LANGNUM"), 0, 0, kLanguageSlots));
    for (int i = 0; i < kLanguageSlots; ++i) {
        table.names[i] = file.text(QStringLiteral("FONT_LIST/LangName_") + QString::number(i));
        table.files[i] = file.text(QStringLiteral("FONT_LIST/LangFile_") + QString::number(i));
    }
}

LanguageFont readLanguageFont(int languageIndex)
{
    return styleSettings().font(languageIndex);
}

int readAccentIndex()
{
    return styleSettings().accentIndex();
}

QColor accentColor(int index)
{
    if (index < 0 || index >= kAccentColorCount)
        index = 0;
    const Rgb &c = kAccentTable[index];
    return QColor(c.r, c.g, c.b);
}

QColor gradientStartColor(int index)
{
    if (index < 0 || index >= kAccentColorCount)
        index = 0;
    const Rgb &c = kGradientStartTable[index];
    return QColor(c.r, c.g, c.b);
}

QString menuStyleSheet(const QColor &accent)
{
    const QString r = QString::number(accent.red());
    const QString g = QString::number(accent.green());
    const QString b = QString::number(accent.blue());
    return QString::fromLatin1(kMenuStyleTemplate).arg(r, g, b, r, g, b);
}

int currentLanguageIndex()
{
    return currentLanguage;
}

void setCurrentLanguageIndex(int index)
{
    currentLanguage = index;
}
