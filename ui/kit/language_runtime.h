#pragma once
#include <QString>

class QTranslator;
struct LanguageTable;

// Loads "<application directory>/lang/<baseName>.qm" into the translator and installs it on
// the application. Only a file that exists and loads replaces the translator's contents: a
// failed load leaves the translator (and so the texts on screen) exactly as they were.
bool loadTranslation(QTranslator &translator, const QString &baseName);

// Start-up: current language = "Config/LangID", the table read, that language's translation
// loaded and installed when it loads. Returns whether it loaded (false keeps English).
bool startUpLanguage(QTranslator &translator, LanguageTable &table);

// A language chosen from the menu: it becomes current and is stored whatever happens; its
// translation is installed when it loads. Returns whether it loaded — the caller retranslates
// only then. Indexes outside the table change nothing and return false.
bool chooseLanguage(QTranslator &translator, const LanguageTable &table, int index);
