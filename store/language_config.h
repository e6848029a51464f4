#pragma once
#include <QColor>
#include <QString>

// Languages, per-language fonts and the accent colour. Everything here is plain data read from
// Configs/LangConfig.ini and Configs/Config.ini; installing translators and styling widgets is
// the widget kit's business.

constexpr int kLanguageSlots = 10;

struct LanguageTable {
    int count = 0; // "FONT_LIST/LANGNUM": how many of the slots the language menu offers
    QString names[kLanguageSlots];
    QString files[kLanguageSlots];
};

struct LanguageFont {
    QString family;    // empty: Qt's default family
    int pixelSize = 0; // at scale factor 1; 0 when not configured
};

// "<configuration directory>/LangConfig.ini"
QString languageConfigPath();
// "<application directory>/lang/<baseName>.qm"
QString translationFilePath(const QString &baseName);

// "Config/LangID" of the language file; 0 when absent.
int readLanguageIndex();
void writeLanguageIndex(int index);

// All ten names and file names are read whatever the count says.
void readLanguageTable(LanguageTable &table);

// "FONT_LIST/FONT_%d" and "FONT_LIST/FONT_SIZE_%d" of Config.ini.
LanguageFont readLanguageFont(int languageIndex);

// "Config/GColorID" of Config.ini; 0 when absent.
int readAccentIndex();
constexpr int kAccentColorCount = 7;
// Indexes outside the table give the first colour.
QColor accentColor(int index);
// The colour the DPI sliders' gradient starts from, paired with each accent colour.
QColor gradientStartColor(int index);

// The pop-up menu style sheet in the given accent colour.
QString menuStyleSheet(const QColor &accent);

// The program-wide current language: set at start-up from readLanguageIndex() and on every
// language choice. Key names follow it (French when it equals the product's French index).
int currentLanguageIndex();
void setCurrentLanguageIndex(int index);
