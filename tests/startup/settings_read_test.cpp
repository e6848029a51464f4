// The one-pass reader of settings files must give exactly what QSettings gives, or decline
// and leave the file to QSettings.
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/profile_files.h"
#include "store/settings_text.h"
#include "tests/store/profile_samples.h"
#include "tests/store/store_fixture.h"

#include <QSettings>
#include <QtTest>

#include <memory>

class SettingsReadTest : public QObject {
    Q_OBJECT

    static void compareWithQSettings(const QString &path, const QHash<QString, QVariant> *plain)
    {
        QSettings reference(path, QSettings::IniFormat);
        const IniFile ini(path);
        QCOMPARE(ini.keys(), reference.allKeys());
        if (plain) {
            // Both sides go through QSettings otherwise (and share its cache of the file).
            QCOMPARE(reference.status(), QSettings::NoError);
            QVERIFY(ini.isWellFormed());
            QStringList plainKeys = plain->keys();
            std::sort(plainKeys.begin(), plainKeys.end());
            QCOMPARE(plainKeys, reference.allKeys());
        }
        for (const QString &key : reference.allKeys()) {
            const QVariant expected = reference.value(key);
            QCOMPARE(ini.value(key).userType(), expected.userType());
            QCOMPARE(ini.value(key), expected);
            if (plain)
                QCOMPARE(plain->value(key), expected);
        }
    }

private slots:
    void handWrittenFilesReadAsQSettingsReadsThem_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("plain");
        QTest::newRow("carried-over form") << QByteArray(
            "[Config]\r\nProfile1=\\x41f\\x440\\x43e \\xe9t\\xe9 1\r\nProfileID=1\r\n\r\n"
            "[PROFILE]\r\nBUTTON_INFO_3_macroname=\\x5b8f\\x4e00\r\n"
            "LedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)\r\n"
            "ProfilePath=\"C:\\\\Mouse, copy\"\r\npollrate=3\r\n") << true;
        QTest::newRow("spacing, comments, repeats") << QByteArray(
            "; a comment\n[A]\n  key = value with spaces  \t\nempty=\nname=caf\xe9\nx=1 ; note\n"
            "[B]\ndup=1\ndup=2\n[A]\nx=2\nquoted=\"  padded  \"\nequals=a=b\n") << true;
        QTest::newRow("list") << QByteArray("[A]\nlist=a, b\n") << false;
        QTest::newRow("escaped key") << QByteArray("[A]\n%U4E2D=1\nspace%20key=2\n") << false;
        QTest::newRow("general section") << QByteArray("[General]\nx=1\n[A]\ny=2\n") << false;
        QTest::newRow("key before a section") << QByteArray("x=1\n[A]\ny=2\n") << false;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[A]\nname=caf\xC3\xA9\n") << false;
        QTest::newRow("line without equals") << QByteArray("[A]\nx=1\nbroken\n") << false;
        QTest::newRow("other @ values") << QByteArray("[A]\nat=@@x\nsize=@Size(1 2)\nnone=@Invalid()\n") << false;
        QTest::newRow("unclosed section") << QByteArray("[A\nx=1\n") << false;
        QTest::newRow("continuation at the end") << QByteArray("[A]\nx=1\nx=2 \\") << false;
    }

    void handWrittenFilesReadAsQSettingsReadsThem()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, plain);
        StoreFixture fixture;
        const QString path = fixture.root() + QStringLiteral("/file.ini");
        fixture.writeFile(path, text);
        QHash<QString, QVariant> values;
        QCOMPARE(readPlainSettings(text, &values), plain);
        compareWithQSettings(path, plain ? &values : nullptr);
    }

    // What the program writes is read in one pass, to the same values, and a write to the
    // open file is seen by later reads as QSettings would show it.
    void writtenProfilesAreReadInOnePass()
    {
        StoreFixture fixture;
        auto profile = std::make_unique<ProfileData>();
        fillProfile(*profile, 3);
        const QString path = fixture.configs() + QStringLiteral("/Profile/written.prof");
        saveProfile(0, *profile, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QHash<QString, QVariant> values;
        QVERIFY(readPlainSettings(file.readAll(), &values));
        QVERIFY(values.size() > 8000);
        compareWithQSettings(path, &values);

        IniFile ini(path);
        ini.setInteger(QStringLiteral("PROFILE/dpi"), 5);
        ini.setText(QStringLiteral("PROFILE/ProfileName"), QStringLiteral("Renamed"));
        QCOMPARE(ini.integer(QStringLiteral("PROFILE//dpi/")), int64_t(5));
        QCOMPARE(ini.text(QStringLiteral("PROFILE/ProfileName")), QStringLiteral("Renamed"));
        QVERIFY(ini.commit());
        QCOMPARE(ini.integer(QStringLiteral("PROFILE/dpi")), int64_t(5));
        auto loaded = std::make_unique<ProfileData>();
        loadProfile(0, *loaded, path);
        QCOMPARE(int(loaded->dpi), 5);
        QCOMPARE(loaded->ProfileName, QStringLiteral("Renamed"));
        loaded->dpi = profile->dpi;
        loaded->ProfileName = profile->ProfileName;
        QCOMPARE(profileDifference(*loaded, *profile), QString());
    }
};

QTEST_MAIN(SettingsReadTest)
#include "settings_read_test.moc"
