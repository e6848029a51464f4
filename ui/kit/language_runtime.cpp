#include "ui/kit/language_runtime.h"

#include "store/language_config.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

bool loadTranslation(QTranslator &translator, const QString &baseName)
{
    if (baseName.isEmpty())
        return false;
    const QString path = translationFilePath(baseName);
    // QTranslator::load empties the translator before it looks for the file and falls back to
    // shorter names ("zelmouse.qm"), so only an exact, loadable file may reach it.
    if (!QFileInfo(path).isFile())
        return false;
    QTranslator probe;
    if (!probe.load(path))
        return false;
    if (!translator.load(path))
        return false;
    // Installing twice would put the same translator in the list twice.
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::installTranslator(&translator);
    return true;
}

bool startUpLanguage(QTranslator &translator, LanguageTable &table)
{
    setCurrentLanguageIndex(readLanguageIndex());
    readLanguageTable(table);
    const int index = currentLanguageIndex();
    if (index < 0 || index >= kLanguageSlots)
        return false;
    return loadTranslation(translator, table.files[index]);
}

bool chooseLanguage(QTranslator &translator, const LanguageTable &table, int index)
{
    if (index < 0 || index >= kLanguageSlots)
        return false;
    setCurrentLanguageIndex(index);
    writeLanguageIndex(index);
    return loadTranslation(translator, table.files[index]);
}
