#include "store/app_paths.h"
#include "store/language_config.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/language_runtime.h"

#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class LanguageTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString configFile() const { return m_dir.path() + QStringLiteral("/Configs/Config.ini"); }

    void writeTable(int count)
    {
        QSettings config(configFile(), QSettings::IniFormat);
        config.clear();
        config.setValue(QStringLiteral("FONT_LIST/LANGNUM"), count);
        const char *files[] = {"zelmouse_en", "zelmouse_fr", "zelmouse_de", "zelmouse_xx"};
        const char *names[] = {"English", "Fran\u00e7ais", "Deutsch", "Missing"};
        for (int i = 0; i < 4; ++i) {
            config.setValue(QStringLiteral("FONT_LIST/LangName_%1").arg(i), QString::fromUtf8(names[i]));
            config.setValue(QStringLiteral("FONT_LIST/LangFile_%1").arg(i), QString::fromLatin1(files[i]));
        }
        // Beyond the count: still read.
        config.setValue(QStringLiteral("FONT_LIST/LangName_9"), QStringLiteral("Nine"));
        config.setValue(QStringLiteral("FONT_LIST/LangFile_9"), QStringLiteral("zelmouse_nine"));
    }

    void removeLanguageFile() { QFile::remove(languageConfigPath()); }

private slots:
    void initTestCase()
    {
        setApplicationDirectoryOverride(m_dir.path());
        QDir().mkpath(m_dir.path() + QStringLiteral("/Configs"));
        QDir().mkpath(m_dir.path() + QStringLiteral("/lang"));
        const QString built = qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/lang/");
        for (const char *name : {"zelmouse_en.qm", "zelmouse_fr.qm", "zelmouse_de.qm"})
            QVERIFY2(QFile::copy(built + QLatin1String(name), m_dir.path() + QStringLiteral("/lang/") + QLatin1String(name)), name);
        // A bare "zelmouse.qm" would be found by QTranslator's fallback for a missing file.
        QVERIFY(QFile::copy(built + QStringLiteral("zelmouse_de.qm"), m_dir.path() + QStringLiteral("/lang/zelmouse.qm")));
    }

    void init()
    {
        removeLanguageFile();
        writeTable(3);
        setCurrentLanguageIndex(0);
    }

    void languageIndexDefaultsToZeroAndRoundTrips()
    {
        QCOMPARE(readLanguageIndex(), 0);
        writeLanguageIndex(2);
        QCOMPARE(readLanguageIndex(), 2);
        QVERIFY(languageConfigPath().endsWith(QStringLiteral("/Configs/LangConfig.ini")));
        QSettings file(languageConfigPath(), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Config/LangID")).toInt(), 2);
    }

    void tableReadsAllTenSlotsWhateverTheCount()
    {
        LanguageTable table;
        readLanguageTable(table);
        QCOMPARE(table.count, 3);
        QCOMPARE(table.names[1], QStringLiteral("Fran\u00e7ais"));
        QCOMPARE(table.files[2], QStringLiteral("zelmouse_de"));
        QCOMPARE(table.names[9], QStringLiteral("Nine"));
        QCOMPARE(table.files[9], QStringLiteral("zelmouse_nine"));
        QVERIFY(table.names[5].isEmpty());
    }

    void shippedConfigurationListsThreeLanguages()
    {
        QSettings shipped(qEnvironmentVariable("ZEL_SOURCE_DIR") + QStringLiteral("/resources/Configs/Config.ini"), QSettings::IniFormat);
        QCOMPARE(shipped.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString file = shipped.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i)).toString();
            QVERIFY2(QFile::exists(qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/lang/") + file + QStringLiteral(".qm")), qPrintable(file));
            QVERIFY(!shipped.value(QStringLiteral("FONT_LIST/FONT_%1").arg(i)).toString().isEmpty());
            QVERIFY(shipped.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i)).toUInt() > 0);
        }
        QCOMPARE(shipped.value(QStringLiteral("FONT_LIST/LangName_1")).toString(), QStringLiteral("Fran\u00e7ais"));
    }

    void accentTable()
    {
        QCOMPARE(readAccentIndex(), 0); // absent
        QCOMPARE(accentColor(readAccentIndex()), QColor(255, 0, 0));
        QCOMPARE(accentColor(3), QColor(219, 200, 182));
        QCOMPARE(accentColor(6), QColor(255, 125, 0));
        // Outside the table: the first colour, not a read past its end.
        QCOMPARE(accentColor(7), QColor(255, 0, 0));
        QCOMPARE(accentColor(-1), QColor(255, 0, 0));
        {
            QSettings config(configFile(), QSettings::IniFormat);
            config.setValue(QStringLiteral("Config/GColorID"), 3);
        }
        QCOMPARE(readAccentIndex(), 3);
        QCOMPARE(currentAccentColor(), QColor(219, 200, 182));
    }

    void menuStyleCarriesTheAccentTwice()
    {
        const QString style = menuStyleSheet(QColor(12, 34, 56));
        QCOMPARE(style.count(QStringLiteral("rgb(12,34,56)")), 2);
        QVERIFY(style.startsWith(QStringLiteral("QMenu")));
        QVERIFY(style.contains(QStringLiteral("rgb(50,50,50)")));
        QVERIFY(style.contains(QStringLiteral("padding:0px 20px")));
        QVERIFY(style.contains(QStringLiteral("border:1px solid rgb(12,34,56)")));
        QVERIFY(style.contains(QStringLiteral("color:rgb(0,0,0);background-color:rgb(12,34,56)")));
        QMenu menu;
        applyMenuStyle(&menu);
        QCOMPARE(menu.styleSheet(), currentMenuStyleSheet());
    }

    void fontsPerLanguage()
    {
        {
            QSettings config(configFile(), QSettings::IniFormat);
            config.setValue(QStringLiteral("FONT_LIST/FONT_2"), QStringLiteral("DejaVu Sans Mono"));
            config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_2"), 13);
        }
        const LanguageFont font = readLanguageFont(2);
        QCOMPARE(font.family, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(font.pixelSize, 13);
        QCOMPARE(readLanguageFont(4).family, QString());
        QCOMPARE(readLanguageFont(4).pixelSize, 0);
        QCOMPARE(configuredFont(2, 2.0).pixelSize(), 26);
    }

    void startUpInstallsTheStoredLanguage()
    {
        writeLanguageIndex(1);
        QTranslator translator;
        LanguageTable table;
        QVERIFY(startUpLanguage(translator, table));
        QCOMPARE(currentLanguageIndex(), 1);
        QCOMPARE(table.count, 3);
        QCOMPARE(QObject::tr("Warning"), QStringLiteral("Avertissement"));
        QCOMPARE(QObject::tr("Yes"), QStringLiteral("Oui"));
        QCOMPARE(QCoreApplication::translate("ButtonFunction", "Left"), QStringLiteral("Gauche"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(QObject::tr("Warning"), QStringLiteral("Warning"));
    }

    void startUpWithoutLanguageFileKeepsEnglish()
    {
        QTranslator translator;
        LanguageTable table;
        QVERIFY(startUpLanguage(translator, table)); // language 0, English
        QCOMPARE(currentLanguageIndex(), 0);
        QCOMPARE(QObject::tr("Warning"), QStringLiteral("Warning"));
        QCoreApplication::removeTranslator(&translator);
    }

    void choosingAMissingTranslationStoresTheIndexButKeepsTheTexts()
    {
        LanguageTable table;
        readLanguageTable(table);
        QTranslator translator;
        QVERIFY(chooseLanguage(translator, table, 2));
        QCOMPARE(QObject::tr("Warning"), QStringLiteral("Warnung"));
        QCOMPARE(readLanguageIndex(), 2);

        QVERIFY(!chooseLanguage(translator, table, 3)); // zelmouse_xx.qm does not exist
        QCOMPARE(currentLanguageIndex(), 3);
        QCOMPARE(readLanguageIndex(), 3);
        QVERIFY2(!translator.isEmpty(), "a failed load must not empty the installed translator");
        QCOMPARE(QObject::tr("Warning"), QStringLiteral("Warnung"));
        QCOMPARE(QObject::tr("Dongle Disconnect!"), QStringLiteral("Empf\u00e4nger getrennt!"));

        // The next start-up tries that file again and, failing, stays English.
        QTranslator fresh;
        LanguageTable again;
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(!startUpLanguage(fresh, again));
        QCOMPARE(currentLanguageIndex(), 3);
        QCOMPARE(QObject::tr("Warning"), QStringLiteral("Warning"));
    }

    void switchingLanguagesReplacesTheTranslation()
    {
        LanguageTable table;
        readLanguageTable(table);
        QTranslator translator;
        QVERIFY(chooseLanguage(translator, table, 1));
        QCOMPARE(QObject::tr("MOUSE OFF"), QStringLiteral("SOURIS \u00c9TEINTE"));
        QVERIFY(chooseLanguage(translator, table, 2));
        QCOMPARE(QObject::tr("MOUSE OFF"), QStringLiteral("MAUS AUS"));
        QVERIFY(chooseLanguage(translator, table, 0));
        QCOMPARE(QObject::tr("MOUSE OFF"), QStringLiteral("MOUSE OFF"));
        QCoreApplication::removeTranslator(&translator);
        // Out of the table: nothing changes.
        QVERIFY(!chooseLanguage(translator, table, 10));
        QVERIFY(!chooseLanguage(translator, table, -1));
        QCOMPARE(currentLanguageIndex(), 0);
        QCOMPARE(readLanguageIndex(), 0);
    }

    void translationsCoverTheSameTexts()
    {
        // Every English text has a finished French and German translation.
        for (const char *lang : {"fr", "de"}) {
            QFile ts(qEnvironmentVariable("ZEL_SOURCE_DIR") + QStringLiteral("/resources/lang/zelmouse_%1.ts").arg(QLatin1String(lang)));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(ts.readAll());
            QVERIFY2(!text.contains(QStringLiteral("type=\"unfinished\"><")), lang);
            QVERIFY(text.count(QStringLiteral("<message>")) > 200);
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
