// The profile library's rules, on real files: free names, copy numbering, what rename and
// delete refuse, the replacement walk, import and export, and that a refused request leaves
// every file as it was.
#include "../store/store_fixture.h"

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"
#include "store/profile_library.h"

#include <memory>

namespace {
const QString kProduct = QStringLiteral("Glide X7");
}

class ProfileLibraryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<DeviceSettings> m_settings;

    StoreFixture &fx() { return *m_fixture; }
    DeviceSettings &settings() { return *m_settings; }

    QString libraryFile(const QString &name) const { return m_fixture->configs() + "/" + kProduct + "/Profile/" + name + ".prof"; }
    QString slotFile(const QString &name) const { return m_fixture->configs() + "/Profile/" + name + ".prof"; }

    // A profile file whose report-rate code tells it apart.
    void writeProfile(const QString &path, int pollrate)
    {
        fx().writeFile(path, QStringLiteral("[PROFILE]\npollrate=%1\nLedMoveOFF=0\n").arg(pollrate).toUtf8());
    }
    void libraryWith(const QStringList &names)
    {
        for (int i = 0; i < names.size(); ++i)
            writeProfile(libraryFile(names.at(i)), 10 + i);
        saveProductProfileList(names);
    }
    void setSlots(const QStringList &names, int active)
    {
        for (int i = 0; i < names.size(); ++i)
            settings().ProfileNames[i] = names.at(i);
        settings().ProfileID = uint8_t(active);
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<StoreFixture>();
        m_settings = std::make_unique<DeviceSettings>();
        fx().writeFile(fx().configs() + "/Config.ini", "[Config]\nCurrentProductName=Glide X7\n");
    }
    void cleanup()
    {
        m_settings.reset();
        m_fixture.reset();
    }

    void addTakesTheFirstFreeDefaultNameInEitherFolder()
    {
        QStringList library{"Profile 1", "Profile 3"};
        libraryWith(library);
        QString created;
        QCOMPARE(addProfile(settings(), library, &created), LibraryOutcome::Ok);
        QCOMPARE(created, QStringLiteral("Profile 2"));
        QCOMPARE(library, (QStringList{"Profile 1", "Profile 3", "Profile 2"}));
        QCOMPARE(loadProductProfileList(), library);
        QCOMPARE(settings().ProfileNames[0], created);
        // Made from the default profile (factory values without a product file).
        QCOMPARE(int(settings().profiles[0].mousespeed), 10);
        QCOMPARE(int(settings().profiles[0].LedMode), 9);
        QVERIFY(QFileInfo::exists(libraryFile("Profile 2")));

        // A slot file of a default name keeps that name taken too.
        writeProfile(slotFile("Profile 4"), 1);
        QCOMPARE(addProfile(settings(), library, &created), LibraryOutcome::Ok);
        QCOMPARE(created, QStringLiteral("Profile 5"));
    }

    void copyNumbersItsCopiesAndTakesTheNewestFile()
    {
        QStringList library{"Work"};
        libraryWith(library);
        writeProfile(slotFile("Work"), 2); // applied since it was added
        setSlots({"Work"}, 0);
        QString created;
        QCOMPARE(copyActiveProfile(settings(), library, &created), LibraryOutcome::Ok);
        QCOMPARE(created, QStringLiteral("Work copy"));
        QCOMPARE(settings().ProfileNames[0], created);
        QCOMPARE(settings().profiles[0].ProfileName, created);
        ProfileData copy;
        loadProfile(0, copy, libraryFile("Work copy"));
        QCOMPARE(int(copy.pollrate), 2);

        QCOMPARE(useLibraryProfile(settings(), "Work"), LibraryOutcome::Ok);
        QCOMPARE(copyActiveProfile(settings(), library, &created), LibraryOutcome::Ok);
        QCOMPARE(created, QStringLiteral("Work copy 2"));
        QCOMPARE(library, (QStringList{"Work", "Work copy", "Work copy 2"}));
        QCOMPARE(loadProductProfileList(), library);
    }

    void renameMovesBothFilesAndStoresTheNamesOrIsRefused()
    {
        QStringList library{"Profile 1", "Work", "Play"};
        libraryWith(library);
        writeProfile(slotFile("Work"), 3);
        writeProfile(slotFile("Profile 1"), 4);
        setSlots({"Work", "Profile 1"}, 0);

        const QStringList before = fx().snapshot();
        QCOMPARE(renameProfile(settings(), library, "Work", "Play", true), LibraryOutcome::NameExists);
        for (const QString &bad : {QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral("x\x01y"),
                                  QStringLiteral("DefaultProfile"), QStringLiteral(" Work2"), QString(),
                                  QString(101, QLatin1Char('n')), QStringLiteral("back\\slash")})
            QCOMPARE(renameProfile(settings(), library, "Work", bad, true), LibraryOutcome::NameRefused);
        // The name edit refuses default names; the library button's variant does not.
        settings().ProfileID = 1;
        QCOMPARE(renameProfile(settings(), library, "Profile 1", "Mine", true), LibraryOutcome::DefaultName);
        QCOMPARE(fx().snapshot(), before);
        QCOMPARE(settings().ProfileNames[1], QStringLiteral("Profile 1"));

        settings().ProfileID = 0;
        QCOMPARE(renameProfile(settings(), library, "Work", "Office", true), LibraryOutcome::Ok);
        QVERIFY(!QFileInfo::exists(libraryFile("Work")) && !QFileInfo::exists(slotFile("Work")));
        ProfileData moved;
        QVERIFY(loadNamedProfile(moved, "Office"));
        QCOMPARE(int(moved.pollrate), 3);
        QCOMPARE(library, (QStringList{"Profile 1", "Office", "Play"}));
        QCOMPARE(loadProductProfileList(), library);
        QCOMPARE(settings().ProfileNames[0], QStringLiteral("Office"));
        QCOMPARE(settings().profiles[0].ProfileName, QStringLiteral("Office"));
        // Stored at once, so the next start finds the renamed file.
        auto reloaded = std::make_unique<DeviceSettings>();
        loadAllSettings(*reloaded);
        QCOMPARE(reloaded->ProfileNames[0], QStringLiteral("Office"));
        QCOMPARE(int(reloaded->profiles[0].pollrate), 3);

        settings().ProfileID = 1;
        QCOMPARE(renameProfile(settings(), library, "Profile 1", "Mine", false), LibraryOutcome::Ok);
        QCOMPARE(settings().ProfileNames[1], QStringLiteral("Mine"));
    }

    void deleteWalksBackwardsForAReplacement()
    {
        QStringList library{"A", "B", "C", "D"};
        libraryWith(library);

        // The last entry: the one before it.
        setSlots({"D"}, 0);
        QString replacement;
        QCOMPARE(checkDeleteProfile(settings(), library, "D", &replacement), LibraryOutcome::Ok);
        QCOMPARE(replacement, QStringLiteral("C"));

        // The successor is in another slot: back past the deleted entry to the first.
        setSlots({"B", "C"}, 0);
        QCOMPARE(checkDeleteProfile(settings(), library, "B", &replacement), LibraryOutcome::Ok);
        QCOMPARE(replacement, QStringLiteral("A"));

        // Past the first entry the walk goes on from the end.
        setSlots({"A", "B"}, 0);
        QCOMPARE(checkDeleteProfile(settings(), library, "A", &replacement), LibraryOutcome::Ok);
        QCOMPARE(replacement, QStringLiteral("D"));

        // Every other entry in another slot: refused, nothing touched.
        setSlots({"A", "B", "C", "D"}, 0);
        const QStringList before = fx().snapshot();
        QCOMPARE(deleteProfile(settings(), library, "A", &replacement), LibraryOutcome::NoFreeReplacement);
        // An entry another slot holds is not deleted from under it.
        QCOMPARE(deleteProfile(settings(), library, "C", &replacement), LibraryOutcome::UsedByOtherSlot);
        QCOMPARE(fx().snapshot(), before);
        QCOMPARE(library.size(), 4);

        // A delete that goes through: files gone, the replacement in the slot, all stored.
        setSlots({"C", "A", "", "", ""}, 0);
        writeProfile(slotFile("C"), 7);
        QCOMPARE(deleteProfile(settings(), library, "C", &replacement), LibraryOutcome::Ok);
        QCOMPARE(replacement, QStringLiteral("D"));
        QVERIFY(!QFileInfo::exists(libraryFile("C")) && !QFileInfo::exists(slotFile("C")));
        QCOMPARE(loadProductProfileList(), (QStringList{"A", "B", "D"}));
        QCOMPARE(settings().ProfileNames[0], QStringLiteral("D"));
        QCOMPARE(int(settings().profiles[0].pollrate), 13);
        QCOMPARE(loadLibraryNames(), (QStringList{"A", "B", "D"}));
    }

    void deleteRefusesDefaultNamesAndTheLastEntry()
    {
        QStringList library{"Profile 2", "Solo"};
        libraryWith(library);
        setSlots({"Profile 2"}, 0);
        QCOMPARE(deleteProfile(settings(), library, "Profile 2", nullptr), LibraryOutcome::DefaultName);
        QCOMPARE(deleteProfile(settings(), library, "Missing", nullptr), LibraryOutcome::NotFound);
        QStringList one{"Solo"};
        QCOMPARE(deleteProfile(settings(), one, "Solo", nullptr), LibraryOutcome::LastEntry);
        QVERIFY(QFileInfo::exists(libraryFile("Solo")) && QFileInfo::exists(libraryFile("Profile 2")));
    }

    void anEntryInAnotherSlotIsNotChosen()
    {
        QStringList library{"Main", "Other"};
        libraryWith(library);
        setSlots({"Main", "", "Other"}, 0);
        settings().profiles[0].pollrate = 99;
        QCOMPARE(useLibraryProfile(settings(), "Other"), LibraryOutcome::UsedByOtherSlot);
        QCOMPARE(settings().ProfileNames[0], QStringLiteral("Main"));
        QCOMPARE(int(settings().profiles[0].pollrate), 99);
        QCOMPARE(useLibraryProfile(settings(), "Gone"), LibraryOutcome::NotFound);

        settings().ProfileNames[2].clear();
        QCOMPARE(useLibraryProfile(settings(), "Other"), LibraryOutcome::Ok);
        QCOMPARE(int(settings().profiles[0].pollrate), 11);
        QCOMPARE(settings().profiles[0].ProfileName, QStringLiteral("Other"));
    }

    void importChecksProductAndNameBeforeCopying()
    {
        QStringList library{"Main"};
        libraryWith(library);
        setSlots({"Main"}, 0);
        const QString foreign = fx().root() + "/Foreign.prof";
        fx().writeFile(foreign, "[MouseName]\nName=Another Mouse\n[PROFILE]\npollrate=8\n");
        const QString taken = fx().root() + "/Main.prof";
        fx().writeFile(taken, "[MouseName]\nName=Glide X7\n[PROFILE]\npollrate=8\n");

        const QStringList before = fx().snapshot();
        QCOMPARE(importProfile(settings(), library, foreign, nullptr), LibraryOutcome::WrongProduct);
        QCOMPARE(importProfile(settings(), library, taken, nullptr), LibraryOutcome::NameExists);
        QCOMPARE(importProfile(settings(), library, fx().root() + "/none.prof", nullptr), LibraryOutcome::FileUnreadable);
        QCOMPARE(fx().snapshot(), before);
        QCOMPARE(library, QStringList{"Main"});

        const QString good = fx().root() + "/Travel.prof";
        fx().writeFile(good, "[MouseName]\nName=Glide X7\n[PROFILE]\npollrate=4\n");
        QString imported;
        QCOMPARE(importProfile(settings(), library, good, &imported), LibraryOutcome::Ok);
        QCOMPARE(imported, QStringLiteral("Travel"));
        QCOMPARE(settings().ProfileNames[0], imported);
        QCOMPARE(int(settings().profiles[0].pollrate), 4);
        QCOMPARE(loadProductProfileList(), (QStringList{"Main", "Travel"}));
    }

    void exportReplacesTheTargetWholeAndLeavesTheProfileAlone()
    {
        QStringList library{"Main"};
        libraryWith(library);
        const QByteArray source = StoreFixture::readFile(libraryFile("Main"));
        const QString target = fx().root() + "/out/Main.prof";
        fx().writeFile(target, "[Stale]\nkey=1\n");

        QCOMPARE(exportProfile("Main", target), LibraryOutcome::Ok);
        QCOMPARE(readProductNameOfFile(target), kProduct);
        QVERIFY(!StoreFixture::readFile(target).contains("Stale"));
        ProfileData exported;
        loadProfile(0, exported, target);
        QCOMPARE(int(exported.pollrate), 10);
        QCOMPARE(StoreFixture::readFile(libraryFile("Main")), source);
        QCOMPARE(QDir(fx().root() + "/out").entryList(QDir::Files), QStringList{"Main.prof"});

        QCOMPARE(exportProfile("Main", fx().root() + "/no/such/folder/x.prof"), LibraryOutcome::FileFailed);
        QCOMPARE(exportProfile("Nobody", target), LibraryOutcome::NotFound);
    }

    void configurationSaveReplacesWholeAndLoadChecksTheProduct()
    {
        setSlots({"Main"}, 0);
        // As the window holds them: read from files or reset, so within what can be set.
        for (ProfileData &profile : settings().profiles)
            resetProfile(profile);
        settings().LiftHigh = 2;
        settings().profiles[0].pollrate = 4;
        const QString file = fx().root() + "/all.conf";
        fx().writeFile(file, "[Config]\nProfile1=Evil\n");
        QCOMPARE(exportConfiguration(settings(), file), LibraryOutcome::Ok);
        QVERIFY(!StoreFixture::readFile(file).contains("Evil"));
        QCOMPARE(readProductNameOfFile(file), kProduct);

        auto loaded = std::make_unique<DeviceSettings>();
        QCOMPARE(importConfiguration(*loaded, file), LibraryOutcome::Ok);
        QCOMPARE(int(loaded->LiftHigh), 2);
        QCOMPARE(int(loaded->profiles[0].pollrate), 4);

        const QString foreign = fx().root() + "/foreign.conf";
        fx().writeFile(foreign, "[MouseName]\nName=Another Mouse\n[Config]\nLiftHigh=1\n");
        QCOMPARE(importConfiguration(*loaded, foreign), LibraryOutcome::WrongProduct);
        QCOMPARE(int(loaded->LiftHigh), 2);
    }

    void theStoredListLeavesOutEntriesWithoutFiles()
    {
        libraryWith({"Kept"});
        saveProductProfileList({"Kept", "Vanished", "../escape", "Kept"});
        QCOMPARE(loadLibraryNames(), QStringList{"Kept"});
    }
};

QTEST_GUILESS_MAIN(ProfileLibraryTest)
#include "profile_library_test.moc"
