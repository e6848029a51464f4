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

    static void compareWithQSettings(const QString &path, const PlainSettings *plain)
    {
        QSettings reference(path, QSettings::IniFormat);
        const IniFile ini(path);
        QCOMPARE(ini.keys(), reference.allKeys());
        if (plain) {
            // Both sides go through QSettings otherwise (and share its cache of the file).
            QCOMPARE(reference.status(), QSettings::NoError);
            QVERIFY(ini.isWellFormed());
            QCOMPARE(plain->keys(), reference.allKeys());
        }
        for (const QString &key : reference.allKeys()) {
            const QVariant expected = reference.value(key);
            QCOMPARE(ini.value(key).userType(), expected.userType());
            QCOMPARE(ini.value(key), expected);
            if (plain) {
                QCOMPARE(plain->value(key), expected);
                bool ok = false;
                const qlonglong number = expected.toLongLong(&ok);
                QCOMPARE(plain->integer(key, -1), ok ? number : 0);
                QCOMPARE(plain->integer(SettingsKey(key), -1), ok ? number : 0);
            }
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
        PlainSettings values;
        QCOMPARE(values.read(text), plain);
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
        PlainSettings values;
        QVERIFY(values.read(file.readAll()));
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
        // Saved again, the two changed values are edited back where they stand.
        saveProfile(0, *profile, path);
        loadProfile(0, *loaded, path);
        QCOMPARE(profileDifference(*loaded, *profile), QString());
        QFile resaved(path);
        QVERIFY(resaved.open(QIODevice::ReadOnly));
        QVERIFY(values.read(resaved.readAll()));
        compareWithQSettings(path, &values);
    }

    // A write to a key the file holds replaces that value's text in place, spelled byte for
    // byte as QSettings spells it; the rest of the file, line ends included, stays as it was.
    void writesInPlaceAreSpelledAsQSettingsSpellsThem()
    {
        const QList<QVariant> values = {
            QVariant(qlonglong(-42)), QVariant(qlonglong(1234567890123)), QStringLiteral("Profile 1"),
            QStringLiteral(" padded "), QStringLiteral("a,b"), QStringLiteral("semi;colon=x"),
            QStringLiteral("quote\"back\\slash"), QStringLiteral("caf\u00e9 \u4e2d\u6587"),
            QStringLiteral("\x01" "f\tx\ny\x7f" "c"),
            QStringLiteral("@Variant(0)"), QString(), QColor(0x12, 0x34, 0x56), QColor(0, 0, 0, 0x80)};
        StoreFixture fixture;
        const QString path = fixture.root() + QStringLiteral("/in-place.ini");
        QByteArray original = "[A]\r\nfirst=1 ; kept\r\n";
        for (int i = 0; i < values.size(); ++i)
            original += "v" + QByteArray::number(i) + "=0\r\n";
        original += "last=\"x\"\r\n";
        fixture.writeFile(path, original);
        {
            IniFile ini(path);
            for (int i = 0; i < values.size(); ++i) {
                const QString key = QStringLiteral("A/v%1").arg(i);
                if (values[i].userType() == QMetaType::QColor)
                    ini.setColor(key, values[i].value<QColor>());
                else if (values[i].userType() == QMetaType::QString)
                    ini.setText(key, values[i].toString());
                else
                    ini.setInteger(SettingsKey(key), values[i].toLongLong());
            }
            QVERIFY(ini.commit());
        }
        const QString referencePath = fixture.root() + QStringLiteral("/reference.ini");
        {
            QSettings reference(referencePath, QSettings::IniFormat);
            for (int i = 0; i < values.size(); ++i)
                reference.setValue(QStringLiteral("A/v%1").arg(i), values[i]);
        }
        QFile written(path);
        QFile reference(referencePath);
        QVERIFY(written.open(QIODevice::ReadOnly) && reference.open(QIODevice::ReadOnly));
        const QList<QByteArray> ours = written.readAll().split('\n');
        const QList<QByteArray> theirs = reference.readAll().split('\n');
        QCOMPARE(ours.first(), QByteArray("[A]\r"));
        QCOMPARE(ours.at(1), QByteArray("first=1 ; kept\r"));
        QCOMPARE(ours.at(values.size() + 2), QByteArray("last=\"x\"\r"));
        for (int i = 0; i < values.size(); ++i) {
            const QByteArray key = "v" + QByteArray::number(i) + "=";
            const auto line = std::find_if(theirs.begin(), theirs.end(), [&](const QByteArray &l) { return l.startsWith(key); });
            QVERIFY(line != theirs.end());
            QCOMPARE(ours.at(i + 2), *line + '\r');
        }
        const QSettings readBack(path, QSettings::IniFormat);
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(readBack.value(QStringLiteral("A/v%1").arg(i)).toString(), values[i].toString());
        // A key the file does not hold, or text QSettings spells as a variant of its own, goes
        // through QSettings, with the edits made before it.
        const QString withNul = QString(QChar(0)) + QStringLiteral("12ab");
        {
            IniFile ini(path);
            ini.setInteger(QStringLiteral("A/v0"), 7);
            ini.setText(QStringLiteral("B/new"), QStringLiteral("n"));
            ini.setText(QStringLiteral("A/v1"), withNul);
            QVERIFY(ini.commit());
        }
        const QSettings afterNewKey(path, QSettings::IniFormat);
        QCOMPARE(afterNewKey.value(QStringLiteral("A/v0")).toInt(), 7);
        QCOMPARE(afterNewKey.value(QStringLiteral("B/new")).toString(), QStringLiteral("n"));
        QCOMPARE(afterNewKey.value(QStringLiteral("A/v1")).toString(), withNul);
        QCOMPARE(afterNewKey.value(QStringLiteral("A/v2")).toString(), QStringLiteral("Profile 1"));
    }
};

QTEST_MAIN(SettingsReadTest)
#include "settings_read_test.moc"
