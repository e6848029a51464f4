// The macro editor as a user drives it: recording, mouse actions, editing, the macro list and
// its refusals, gun files, and the files all of it leaves behind.
#include "../window/window_fixture.h"

#include "store/button_assignment.h"
#include "store/device_settings.h"
#include "store/function_catalogue.h"
#include "store/macro_events.h"
#include "store/macro_library.h"
#include "ui/kit/zel_message_box.h"
#include "ui/pages/macro_dialog.h"
#include "ui/pages/macro_event_table.h"
#include "ui/pages/macro_recorder.h"
#include "ui/pages/zel_gunset_dialog.h"
#include "ui/pages/zel_macro_item_delegate.h"
#include "ui/pages/zel_tree_widget.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

using Events = QVector<MacroEvent>;

constexpr uint8_t kUsageA = 0x04, kUsageB = 0x05, kUsageLShift = 0xE1;
constexpr int kCodeA = 0x1E, kCodeB = 0x30;

MacroEvent ev(int map, int h, int l)
{
    return MacroEvent{uint8_t(map), uint8_t(h), uint8_t(l)};
}

QByteArray describe(const Events &events)
{
    QByteArray text;
    for (const MacroEvent &e : events)
        text += QByteArray::number(e.map, 16) + ',' + QByteArray::number(e.dataH) + ',' + QByteArray::number(e.dataL) + ' ';
    return text;
}

// Press and release of one key, as X11 delivers it: evdev code + 8 as the native scan code.
void sendKey(QWidget *to, int evdev, bool release)
{
    QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, 0, Qt::NoModifier, quint32(evdev + 8), 0, 0);
    QCoreApplication::sendEvent(to, &event);
}

struct Message {
    int style;
    QString caption;
    QString text;
};

} // namespace

class MacroEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowAppDir> m_app;
    std::unique_ptr<MacroDialog> m_page;
    QVector<Message> m_messages;
    bool m_answer = true;

    void makePage()
    {
        m_page = std::make_unique<MacroDialog>(nullptr);
        m_page->setMessageHandler([this](int style, const QString &caption, const QString &text) {
            m_messages.append(Message{style, caption, text});
            return m_answer;
        });
    }
    Events table() const { return macroTableEvents(m_page->eventModel()); }
    void selectTableRow(int row)
    {
        m_page->eventView()->selectionModel()->setCurrentIndex(m_page->eventModel()->index(row, 0),
                                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QMap<QString, QByteArray> configSnapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(m_app->path() + QStringLiteral("/Configs"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                files.insert(f.fileName(), f.readAll());
        }
        return files;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<WindowAppDir>();
        m_messages.clear();
        m_answer = true;
        makePage();
    }
    void cleanup()
    {
        m_page.reset();
        m_app.reset();
    }

    // The recorder's rules with a clock the test sets.
    void recorderDelayModesAndLimits()
    {
        MacroRecorder r;
        r.start(MacroRecorder::NoDelay, 10, 10);
        Events rows;
        rows += r.keyEvent(kCodeA, false, 0, rows.size());
        QVERIFY(r.keyEvent(kCodeA, false, 30, rows.size()).isEmpty()); // auto-repeat of a held key
        rows += r.keyEvent(kCodeA, true, 60, rows.size());
        QCOMPARE(describe(rows), describe({ev(0x84, 0, kUsageA), ev(0x04, 0, kUsageA)}));

        r.start(MacroRecorder::RecordedDelay, 10, 10);
        rows = r.keyEvent(kCodeA, false, 1000, 0);
        rows += r.keyEvent(kCodeA, true, 1057, rows.size());
        rows += r.keyEvent(kCodeB, false, 1057, rows.size()); // same clock tick
        QCOMPARE(describe(rows), describe({ev(0x84, 0, kUsageA), ev(6, 0, 5), ev(0x04, 0, kUsageA), ev(6, 0, 1), ev(0x84, 0, kUsageB)}));

        r.start(MacroRecorder::DefaultDelay, 300, 1);
        rows = r.keyEvent(kCodeA, false, 0, 0);
        rows += r.keyEvent(kCodeA, true, 5, rows.size());
        QCOMPARE(describe(rows), describe({ev(0x84, 0, kUsageA), ev(6, 1, 44), ev(0x04, 0, kUsageA)}));

        // Without delays the 41st event is dropped.
        r.start(MacroRecorder::NoDelay, 10, 10);
        rows.clear();
        for (int i = 0; i < 21; ++i) {
            rows += r.keyEvent(kCodeA, false, i * 10, rows.size());
            rows += r.keyEvent(kCodeA, true, i * 10 + 5, rows.size());
        }
        QCOMPARE(rows.size(), 40);
        QCOMPARE(rows.last(), ev(0x04, 0, kUsageA));
        QCOMPARE(r.droppedEvents(), 2); // counted, for the warning at STOP

        // With delays a table never passes 62 rows, and a key never goes in without its delay.
        for (int existing : {0, 1}) {
            r.start(MacroRecorder::RecordedDelay, 10, 10);
            rows = Events(existing, ev(6, 0, 1));
            for (int i = 0; i < 40; ++i)
                rows += r.keyEvent(kCodeB, i % 2, i * 20, rows.size());
            QCOMPARE(rows.size(), existing ? 62 : 61);
            QVERIFY(isMacroKeyEvent(rows.last().map));
            QVERIFY(isMacroDelayEvent(rows.at(rows.size() - 2).map));
        }
    }

    void pressReleaseCheck()
    {
        QVERIFY(macroPressesReleased({}));
        QVERIFY(macroPressesReleased({ev(0x84, 0, 4), ev(0x84, 0, 5), ev(0x04, 0, 4), ev(0x04, 0, 5)}));
        QVERIFY(macroPressesReleased({ev(0x81, 0, 1), ev(6, 0, 1), ev(0x01, 0, 1), ev(2, 0, 251)}));
        QVERIFY(!macroPressesReleased({ev(0x84, 0, kUsageLShift), ev(0x84, 0, 4), ev(0x04, 0, 4)}));
        QVERIFY(!macroPressesReleased({ev(0x84, 0, 4), ev(0x04, 0, 5)}));
        QVERIFY(!macroPressesReleased({ev(0x81, 0, 1), ev(0x01, 0, 2)}));
        // More releases than presses pass when every press found its release.
        QVERIFY(macroPressesReleased({ev(0x04, 0, 7), ev(0x84, 0, 4), ev(0x04, 0, 4)}));
    }

    // START, typing "ab" with recorded delays, STOP: through real key events and the files.
    void recordingTypedKeys()
    {
        m_page->newMacro();
        const QString name = m_page->currentMacroName();
        QCOMPARE(name, QStringLiteral("name_1"));
        QSignalSpy enable(m_page.get(), &MacroDialog::EnableButtonsSignal);
        auto *recordDelays = qobject_cast<QCheckBox *>(m_page->control(MacroControl::RecordDelays));
        recordDelays->click();
        QCOMPARE(m_page->delayMode(), 1);

        m_page->startRecording(false);
        QVERIFY(m_page->isRecording());
        QVERIFY(!m_page->control(MacroControl::New)->isEnabled());
        sendKey(m_page.get(), 30, false);
        sendKey(m_page.get(), 30, false); // held: repeats as a press
        sendKey(m_page.get(), 30, true);
        sendKey(m_page.get(), 48, false);
        sendKey(m_page.get(), 48, true);
        m_page->stopRecording();

        const Events rows = table();
        QCOMPARE(rows.size(), 7);
        const uint8_t kinds[] = {0x84, 6, 0x04, 6, 0x84, 6, 0x04};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(rows.at(i).map, kinds[i]);
        QCOMPARE(rows.at(0).dataL, kUsageA);
        QCOMPARE(rows.at(6).dataL, kUsageB);
        for (int i : {1, 3, 5})
            QVERIFY(macroDelayUnits(rows.at(i)) >= 1);
        QCOMPARE(enable.size(), 2);
        QCOMPARE(enable.at(0).at(0).toBool(), false);
        QCOMPARE(enable.at(1).at(0).toBool(), true);
        QVERIFY(m_messages.isEmpty());
        const MacroFile saved = readMacroFile(name);
        QCOMPARE(describe(saved.events), describe(rows));
        QCOMPARE(saved.delayType, 1);
        QCOMPARE(saved.writeSign, 1);

        // Shift still held at STOP: warned, and not saved, since the mouse would keep Shift
        // down; the recording stays in the table to be mended.
        recordDelays->click();
        QCOMPARE(m_page->delayMode(), 0);
        m_page->startRecording(false);
        sendKey(m_page.get(), 42, false);
        sendKey(m_page.get(), 30, false);
        sendKey(m_page.get(), 30, true);
        m_page->stopRecording();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.at(0).text, QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
        const Events held{ev(0x84, 0, kUsageLShift), ev(0x84, 0, kUsageA), ev(0x04, 0, kUsageA)};
        QCOMPARE(describe(table()), describe(held));
        QCOMPARE(describe(readMacroFile(name).events), describe(rows));
        // SAVE refuses it the same way; with the release added it is saved.
        m_page->saveMacro();
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(describe(readMacroFile(name).events), describe(rows));
        insertMacroTableEvents(m_page->eventModel(), 3, {ev(0x04, 0, kUsageLShift)});
        m_page->saveMacro();
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(describe(readMacroFile(name).events), describe(table()));
    }

    // RECORD AFTER and EDIT: keys go after the selected row; EDIT replaces a key, keeps its kind.
    void recordAfterAndEditKey()
    {
        m_page->newMacro();
        setMacroTableEvents(m_page->eventModel(), {ev(6, 0, 3), ev(6, 0, 4)});
        selectTableRow(0);
        m_page->startRecording(true);
        sendKey(m_page.get(), 30, false);
        sendKey(m_page.get(), 30, true);
        m_page->stopRecording();
        QCOMPARE(describe(table()), describe({ev(6, 0, 3), ev(0x84, 0, kUsageA), ev(0x04, 0, kUsageA), ev(6, 0, 4)}));

        QSignalSpy enable(m_page.get(), &MacroDialog::EnableButtonsSignal);
        selectTableRow(2);
        m_page->editRow();
        QVERIFY(m_page->isEditingKey());
        sendKey(m_page.get(), 48, false);
        // The press it ends changes with it: never press A, release B.
        QCOMPARE(table().at(2), ev(0x04, 0, kUsageB));
        QCOMPARE(table().at(1), ev(0x84, 0, kUsageB));
        selectTableRow(0); // choosing another row ends the edit
        QVERIFY(!m_page->isEditingKey());
        QCOMPARE(enable.size(), 2);
        sendKey(m_page.get(), 30, false);
        QCOMPARE(table().at(0), ev(6, 0, 3));

        // Nested presses of one key pair inside out; EDIT of the outer press takes the outer
        // release, and the inner pair and the other key stay.
        const Events nested{ev(0x84, 0, kUsageA), ev(0x84, 0, kUsageA), ev(0x84, 0, kUsageB), ev(0x04, 0, kUsageA),
                            ev(0x04, 0, kUsageB), ev(0x04, 0, kUsageA)};
        setMacroTableEvents(m_page->eventModel(), nested);
        QCOMPARE(macroKeyPartnerRow(nested, 0), 5);
        QCOMPARE(macroKeyPartnerRow(nested, 3), 1);
        QCOMPARE(macroKeyPartnerRow(nested, 4), 2);
        QCOMPARE(macroKeyPartnerRow({ev(0x84, 0, kUsageA), ev(6, 0, 1)}, 0), -1);
        selectTableRow(0);
        m_page->editRow();
        sendKey(m_page.get(), 48, false);
        QCOMPARE(describe(table()), describe({ev(0x84, 0, kUsageB), ev(0x84, 0, kUsageA), ev(0x84, 0, kUsageB),
                                              ev(0x04, 0, kUsageA), ev(0x04, 0, kUsageB), ev(0x04, 0, kUsageB)}));
    }

    void mouseActionsAndProperties()
    {
        ZelTreeWidget *tree = m_page->actionTree();
        // Nothing to insert into without a macro.
        m_page->TreeitemClick(tree->buttonItem(1), 0);
        QCOMPARE(m_page->eventModel()->rowCount(), 0);

        m_page->newMacro();
        ZelTreeItem *left = tree->buttonItem(1);
        m_page->TreeitemClick(left, 0); // collapsed: opens
        QVERIFY(left->isExpanded());
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        m_page->TreeitemClick(left, 0); // open: a whole click
        QCOMPARE(describe(table()), describe({ev(0x81, 0, 1), ev(0x01, 0, 1)}));

        qobject_cast<QCheckBox *>(m_page->control(MacroControl::RecordDelays))->click();
        m_page->TreeitemClick(tree->buttonItem(16)->child(0), 0); // BACKWARD, PRESS DOWN
        QCOMPARE(describe(table().mid(2)), describe({ev(0x81, 0, 16), ev(6, 0, 1)}));
        QCOMPARE(m_page->selectedRow(), 3);

        ZelTreeItem *moveLeft = tree->moveItem(MacroDirection::Left);
        moveLeft->distanceEdit()->setText(QStringLiteral("5"));
        m_page->TreeitemClick(moveLeft, 0);
        QCOMPARE(table().at(4), ev(2, 0, 251));
        QCOMPARE(m_page->delegate()->cellText(m_page->eventModel()->index(4, 0)), QStringLiteral("MOVE LEFT"));
        QCOMPARE(m_page->delegate()->cellText(m_page->eventModel()->index(4, 1)), QStringLiteral("5"));

        // The property panel writes back: distance 7 up from the same row's direction.
        selectTableRow(4);
        m_page->EditMoveChanged(QStringLiteral("7"));
        QCOMPARE(table().at(4), ev(2, 0, 249));
        selectTableRow(5);
        m_page->EditDelayChanged(QStringLiteral("250"));
        QCOMPARE(table().at(5), ev(6, 0, 25));
        QCOMPARE(m_page->delegate()->cellText(m_page->eventModel()->index(5, 2)), QStringLiteral("250 ms"));

        m_page->insertDelay();
        QCOMPARE(table().at(6), ev(6, 0, 1));
        m_page->TreeitemClick(tree->moveItem(MacroDirection::Up), 0);
        QCOMPARE(table().at(7), ev(2, 255, 0));
    }

    void reorderingAndDeleting()
    {
        m_page->newMacro();
        setMacroTableEvents(m_page->eventModel(), {ev(6, 0, 1), ev(6, 0, 2), ev(6, 0, 3), ev(6, 0, 4)});
        const auto lows = [this]() {
            QByteArray out;
            for (const MacroEvent &e : table())
                out += char('0' + e.dataL);
            return out;
        };
        selectTableRow(0);
        m_page->moveRow(MacroControl::MoveUp);
        QCOMPARE(lows(), QByteArray("1234"));
        QCOMPARE(m_page->selectedRow(), 0);
        m_page->moveRow(MacroControl::Bottom);
        QCOMPARE(lows(), QByteArray("2341"));
        QCOMPARE(m_page->selectedRow(), 3);
        m_page->moveRow(MacroControl::MoveDown);
        QCOMPARE(lows(), QByteArray("2341"));
        selectTableRow(2);
        m_page->moveRow(MacroControl::Top);
        QCOMPARE(lows(), QByteArray("4231"));
        QCOMPARE(m_page->selectedRow(), 0);
        m_page->moveRow(MacroControl::MoveDown);
        QCOMPARE(lows(), QByteArray("2431"));
        QCOMPARE(m_page->selectedRow(), 1);

        selectTableRow(3);
        m_page->deleteRow();
        QCOMPARE(lows(), QByteArray("243"));
        QCOMPARE(m_page->selectedRow(), 2);
        selectTableRow(0);
        m_page->deleteRow();
        QCOMPARE(lows(), QByteArray("43"));
        QCOMPARE(m_page->selectedRow(), 0);
        m_page->clearRows();
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        QCOMPARE(m_page->eventModel()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("DELAY(ms)"));
    }

    void copyCutPasteBetweenMacros()
    {
        m_page->newMacro();
        const QString first = m_page->currentMacroName();
        setMacroTableEvents(m_page->eventModel(), {ev(0x84, 0, 4), ev(6, 0, 2), ev(0x04, 0, 4)});
        m_page->eventView()->selectionModel()->select(QItemSelection(m_page->eventModel()->index(0, 0), m_page->eventModel()->index(1, 2)),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_page->copyRows();
        QCOMPARE(describe(m_page->clipboard()), describe({ev(0x84, 0, 4), ev(6, 0, 2)}));
        m_page->saveMacro();

        m_page->newMacro();
        setMacroTableEvents(m_page->eventModel(), {ev(6, 0, 9)});
        selectTableRow(0);
        m_page->pasteRows();
        QCOMPARE(describe(table()), describe({ev(6, 0, 9), ev(0x84, 0, 4), ev(6, 0, 2)}));
        selectTableRow(0);
        m_page->cutRows();
        QCOMPARE(describe(table()), describe({ev(0x84, 0, 4), ev(6, 0, 2)}));
        QCOMPARE(describe(m_page->clipboard()), describe({ev(6, 0, 9)}));
        // The first macro kept what it had.
        QCOMPARE(readMacroEvents(first).size(), 3);
    }

    // Every kind of event survives save and load byte for byte; anything the editor cannot show
    // is dropped on load.
    void saveLoadRoundTrip()
    {
        m_page->newMacro();
        const QString name = m_page->currentMacroName();
        const Events all = {ev(0x84, 0, 0x04), ev(0x04, 0, 0x04), ev(0x81, 0, 1), ev(0x01, 0, 1), ev(0x81, 0, 16),
                            ev(0x01, 0, 16), ev(2, 0, 251), ev(2, 0, 5), ev(2, 200, 0), ev(2, 120, 0),
                            ev(6, 1, 44), ev(6, 0, 1), ev(0x84, 0, 0xE4), ev(0x04, 0, 0xE4)};
        setMacroTableEvents(m_page->eventModel(), all);
        qobject_cast<QCheckBox *>(m_page->control(MacroControl::LoopWhileHeld))->click();
        m_page->saveMacro();
        QCOMPARE(describe(readMacroFile(name).events), describe(all));
        QCOMPARE(readMacroFile(name).loopType, 2);

        m_page->newMacro();
        m_page->macroList()->setCurrentRow(0);
        QCOMPARE(m_page->currentMacroName(), name);
        QCOMPARE(describe(table()), describe(all));
        QCOMPARE(m_page->loopType(), 2);
        m_page->saveMacro();
        QCOMPARE(describe(readMacroFile(name).events), describe(all));

        // A file from elsewhere: a two-axis move keeps its vertical step, unknown kinds go.
        MacroFile foreign;
        foreign.events = {ev(2, 3, 7), ev(0x81, 0, 3), ev(9, 1, 1), ev(0x86, 0, 2)};
        writeMacroFile(name, foreign);
        m_page->loadMacro(name);
        QCOMPARE(describe(table()), describe({ev(2, 3, 0), ev(0x86, 0, 2)}));

        // CANCEL throws away what was not saved.
        setMacroTableEvents(m_page->eventModel(), {});
        m_page->cancelEdits();
        QCOMPARE(m_page->eventModel()->rowCount(), 2);
    }

    void namesAndLimits()
    {
        m_page->newMacro();
        m_page->newMacro();
        QCOMPARE(listMacroNames(), (QStringList{QStringLiteral("name_1"), QStringLiteral("name_2")}));

        // Hostile or empty names: refused with a message, nothing touched.
        const auto before = configSnapshot();
        auto *nameEdit = qobject_cast<QLineEdit *>(m_page->control(MacroControl::NameEdit));
        for (const QString &bad : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("   "), QStringLiteral("a\tb")}) {
            nameEdit->setText(bad);
            m_page->changeName();
            QCOMPARE(m_page->currentMacroName(), QStringLiteral("name_2"));
            QCOMPARE(nameEdit->text(), QStringLiteral("name_2"));
        }
        QCOMPARE(m_messages.size(), 4);
        QVERIFY(m_messages.at(0).text.contains(QStringLiteral("1 to 100 characters")));
        QCOMPARE(configSnapshot(), before);

        // A taken name gets "_2".
        nameEdit->setText(QStringLiteral(" name_1 "));
        m_page->changeName();
        QCOMPARE(m_page->currentMacroName(), QStringLiteral("name_1_2"));
        QCOMPARE(m_page->macroList()->currentItem()->text(), QStringLiteral("name_1_2"));
        QVERIFY(macroFileExists(QStringLiteral("name_1_2")) && !macroFileExists(QStringLiteral("name_2")));
        QCOMPARE(listMacroNames(), (QStringList{QStringLiteral("name_1"), QStringLiteral("name_1_2")}));

        // Import of a name that exists: "Macro Exist!", the library's file untouched.
        const QString outside = m_app->path() + QStringLiteral("/name_1.MSMACRO");
        MacroFile other;
        other.events = {ev(6, 0, 77)};
        QVERIFY(QFile::copy(macroFilePath(QStringLiteral("name_1")), outside));
        writeMacroFile(QStringLiteral("name_1"), other);
        m_messages.clear();
        m_page->importFiles({outside});
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.at(0).text, QStringLiteral("Macro Exist!"));
        QCOMPARE(describe(readMacroEvents(QStringLiteral("name_1"))), describe({ev(6, 0, 77)}));

        // Over 100 characters: refused with the reason, not cut.
        m_messages.clear();
        nameEdit->setText(QString(101, QLatin1Char('m')));
        m_page->changeName();
        QCOMPARE(m_page->currentMacroName(), QStringLiteral("name_1_2"));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.at(0).text, QStringLiteral("A macro name can have at most 100 characters."));

        // Deleting asks first; "No" keeps it.
        m_answer = false;
        m_page->deleteCurrentMacro();
        QVERIFY(macroFileExists(QStringLiteral("name_1_2")));
        m_answer = true;
        m_page->deleteCurrentMacro();
        QVERIFY(!macroFileExists(QStringLiteral("name_1_2")));
        QCOMPARE(m_page->currentMacroName(), QStringLiteral("name_1"));

        // Fifty macros: NEW and GUN SET refuse, nothing is created.
        for (int i = countMacros(); i < kMacroListSize; ++i)
            QVERIFY(createMacro(QStringLiteral("m%1").arg(i), MacroFile{}).ok());
        m_messages.clear();
        m_page->newMacro();
        QVERIFY(!createMacro(QStringLiteral("one more"), MacroFile{}).ok());
        QCOMPARE(countMacros(), kMacroListSize);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.at(0).caption, QStringLiteral("WARNING"));
        QCOMPARE(m_messages.at(0).text, QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
        QVERIFY(!macroFileExists(QStringLiteral("name_2")));
    }

    // A macro that buttons run: the question names them; Yes gives them their factory
    // function back, No changes nothing.
    void deletingAMacroButtonsUse()
    {
        m_page->newMacro();
        const QString name = m_page->currentMacroName();
        auto factory = std::make_unique<ProfileData>();
        resetProfile(*factory);
        for (ProfileData &profile : currentSettings.profiles)
            profile = *factory;
        currentSettings.ProfileNames[0].clear();
        currentSettings.ProfileNames[1] = QStringLiteral("Game");
        const int numbered = numberedButtonSlots().at(2);
        assignMacroFile(currentSettings.profiles[0].buttons[numbered], ButtonFunction::Macro, name, 1, 0);
        assignMacroFile(currentSettings.profiles[1].buttons[kButtonSlotCount - 2], ButtonFunction::GunFile, name, 1, 0);
        QSignalSpy released(m_page.get(), &MacroDialog::MacroButtonsReleased);

        m_answer = false;
        m_page->deleteCurrentMacro();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.at(0).text,
                 QStringLiteral("The macro \"%1\" is used by Profile 1 (button 3); Game (wheel up). Delete it? "
                                "Those buttons get their factory function back.").arg(name));
        QVERIFY(macroFileExists(name));
        QCOMPARE(macroUses(currentSettings, name).size(), 2);

        m_answer = true;
        m_page->deleteCurrentMacro();
        QVERIFY(!macroFileExists(name));
        QCOMPARE(released.count(), 1);
        QVERIFY(macroUses(currentSettings, name).isEmpty());
        QCOMPARE(currentSettings.profiles[0].buttons[numbered].Fun, factory->buttons[numbered].Fun);
        QCOMPARE(currentSettings.profiles[1].buttons[kButtonSlotCount - 2].Fun, factory->buttons[kButtonSlotCount - 2].Fun);
        QVERIFY(currentSettings.profiles[0].buttons[numbered].macroname.isEmpty());
    }

    void gunSetDialog()
    {
        ZelGunsetDialog defaults(nullptr, 1.0);
        defaults.nameEdit()->setText(QStringLiteral("ak"));
        defaults.OnYesClick();
        QCOMPARE(defaults.result(), int(QDialog::Accepted));
        Events expected;
        for (int i = 0; i < 5; ++i)
            expected += {ev(0x81, 0, 1), ev(0x01, 0, 1), ev(6, 0, 10)};
        QCOMPARE(describe(defaults.events()), describe(expected));
        QCOMPARE(defaults.eventList()->item(0)->text(), QStringLiteral("LEFT CLICK DOWN"));
        QCOMPARE(defaults.eventList()->item(1)->text(), QStringLiteral("LEFT CLICK UP"));
        QCOMPARE(defaults.eventList()->item(2)->text(), QStringLiteral("100 ms"));

        ZelGunsetDialog one(nullptr, 1.0);
        one.setBulletCount(1);
        QVERIFY(one.delaySpin(1)->isHidden());
        one.nameEdit()->setText(QStringLiteral("ak"));
        one.delaySpin(0)->setValue(55);
        one.ySpin(0)->setValue(3);
        one.xSpin(0)->setValue(-2);
        one.OnYesClick();
        QCOMPARE(describe(one.events()), describe({ev(0x81, 0, 1), ev(0x01, 0, 1), ev(2, 3, 0), ev(2, 0, 254), ev(6, 0, 5)}));

        // No name: told so, and the dialog stays.
        ZelGunsetDialog unnamed(nullptr, 1.0);
        QString shown;
        handleNextModal<ZelMessageBox>([&shown](ZelMessageBox *box) {
            shown = box->messageLabel()->text();
            box->accept();
        });
        unnamed.OnYesClick();
        QCOMPARE(shown, QStringLiteral("Please input file name."));
        QVERIFY(unnamed.result() != QDialog::Accepted);
        // The list previews the burst while it is edited, refused or not.
        QCOMPARE(unnamed.eventList()->count(), 15);
        unnamed.setBulletCount(1);
        QCOMPARE(unnamed.eventList()->count(), 3);
        unnamed.findChild<QSpinBox *>(QStringLiteral("gunY1"))->setValue(4);
        QCOMPARE(unnamed.eventList()->count(), 4);

        // The files: ak, ak_2, ak_3, each listed and loaded.
        for (const QString &expectedName : {QStringLiteral("ak"), QStringLiteral("ak_2"), QStringLiteral("ak_3")}) {
            m_page->addGunFile(QStringLiteral("ak"), defaults.events());
            QCOMPARE(m_page->currentMacroName(), expectedName);
        }
        const MacroFile gun = readMacroFile(QStringLiteral("ak_3"));
        QCOMPARE(describe(gun.events), describe(expected));
        QCOMPARE(gun.delayType, 1);
        QCOMPARE(gun.defaultDelay, 10);
        QCOMPARE(gun.loopTime, 1);
        QCOMPARE(m_page->eventModel()->rowCount(), 15);
        QCOMPARE(m_page->macroList()->count(), 3);
    }

    void batchExportAsksBeforeReplacing()
    {
        m_page->newMacro();
        m_page->newMacro();
        m_page->setBatch(true);
        QListWidget *list = m_page->macroList();
        QCOMPARE(list->count(), 2);
        for (int i = 0; i < 2; ++i)
            list->item(i)->setCheckState(Qt::Checked);
        const QString folder = m_app->path() + QStringLiteral("/out");
        QDir().mkpath(folder);
        QFile old(folder + QStringLiteral("/name_1.MSMACRO"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("kept");
        old.close();

        m_answer = false;
        m_page->exportCheckedTo(folder);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.at(0).text.contains(QStringLiteral("name_1")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("kept"));
        old.close();
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/name_2.MSMACRO")));

        m_answer = true;
        m_page->exportCheckedTo(folder);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll().contains("Setting"));
    }
};

QTEST_MAIN(MacroEditorTest)
#include "macro_editor_test.moc"
