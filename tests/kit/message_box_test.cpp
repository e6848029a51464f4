#include "store/app_paths.h"
#include "ui/kit/plug_in_flag.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_message_box.h"

#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class MessageBoxTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // Presses and releases a button of the box as soon as its event loop runs.
    static void clickWhenShown(ZelMessageBox *box, QToolButton *button)
    {
        QTimer::singleShot(0, box, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    }

private slots:
    void initTestCase()
    {
        setApplicationDirectoryOverride(m_dir.path());
        QDir().mkpath(m_dir.path() + QStringLiteral("/Configs"));
        QVERIFY(QFile::link(qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/skin"), m_dir.path() + QStringLiteral("/skin")));
        QSettings config(m_dir.path() + QStringLiteral("/Configs/Config.ini"), QSettings::IniFormat);
        config.setValue(QStringLiteral("Config/GColorID"), 3);
        // The box speaks in the window's configured font.
        config.setValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("DejaVu Sans"));
        config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_0"), 14);
    }

    void init()
    {
        setUiScaleFactor(1.0);
        setMousePluggedIn(false);
    }

    void questionHasYesAndNo()
    {
        ZelMessageBox box(ZelMessageBox::Question, QString(), QStringLiteral("Warning"), QStringLiteral("Are you sure you want reset all profiles?"));
        QCOMPARE(box.size(), QSize(478, 309));
        QVERIFY(box.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel1"))->text(), QStringLiteral("Warning"));
        auto *message = box.findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel2"));
        QCOMPARE(message->text(), QStringLiteral("Are you sure you want reset all profiles?"));
        QVERIFY(message->wordWrap());
        QCOMPARE(box.captionLabel()->geometry(), QRect(20, 20, 300, 20));
        QCOMPARE(box.captionLabel()->font().pixelSize(), 14);
        QCOMPARE(box.captionLabel()->font().family(), QStringLiteral("DejaVu Sans"));
        auto *yes = box.findChild<QToolButton *>(QStringLiteral("msgBoxYesBtn"));
        auto *no = box.findChild<QToolButton *>(QStringLiteral("msgBoxNoBtn"));
        QVERIFY(yes && no);
        QCOMPARE(yes->text(), QStringLiteral("Yes"));
        QCOMPARE(no->text(), QStringLiteral("No"));
        QVERIFY(!yes->icon().isNull()); // ":/yes_Btn" is compiled in
        QVERIFY(!no->icon().isNull());
        QCOMPARE(yes->iconSize(), QSize(30, 30));
        QVERIFY(yes->styleSheet().contains(QStringLiteral("rgb(219, 200, 182)")));
        QVERIFY(box.iconPath().endsWith(QStringLiteral("/skin/warn.png")));
        QVERIFY(!box.iconLabel()->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(box.iconLabel()->size(), QSize(45, 45));
    }

    void warningAndReceiverHaveOneOkButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("icon");
        QTest::newRow("warning 2") << 2 << QStringLiteral("/skin/warn.png");
        QTest::newRow("warning 3") << 3 << QStringLiteral("/skin/warn.png");
        QTest::newRow("receiver 4") << 4 << QStringLiteral("/skin/dongle2.png");
        // Unknown styles still get a button to close the box with.
        QTest::newRow("unknown 0") << 0 << QStringLiteral("/skin/warn.png");
        QTest::newRow("unknown 9") << 9 << QStringLiteral("/skin/warn.png");
    }

    void warningAndReceiverHaveOneOkButton()
    {
        QFETCH(int, style);
        QFETCH(QString, icon);
        ZelMessageBox box(style, QString(), QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"));
        QVERIFY(box.iconPath().endsWith(icon));
        QVERIFY(box.yesButton());
        QCOMPARE(box.yesButton()->text(), QStringLiteral("Ok"));
        QVERIFY(!box.findChild<QToolButton *>(QStringLiteral("msgBoxNoBtn")));
        QCOMPARE(box.findChildren<QToolButton *>().size(), 1);
    }

    void sizeFollowsTheScaleFactor()
    {
        setUiScaleFactor(1.5);
        ZelMessageBox box(ZelMessageBox::Question, QString(), QStringLiteral("Warning"), QStringLiteral("x"));
        QCOMPARE(box.size(), QSize(717, 463));
        QCOMPARE(box.yesButton()->iconSize(), QSize(45, 45));
        QCOMPARE(box.iconLabel()->size(), QSize(67, 67));
        QCOMPARE(box.messageLabel()->font().pixelSize(), 21);
        QCOMPARE(box.captionLabel()->geometry(), QRect(30, 30, 450, 30));
    }

    void yesAcceptsAndNoRejects()
    {
        ZelMessageBox question(ZelMessageBox::Question, QString(), QStringLiteral("Warning"), QStringLiteral("?"));
        clickWhenShown(&question, question.yesButton());
        QCOMPARE(question.exec(), 1);

        ZelMessageBox again(ZelMessageBox::Question, QString(), QStringLiteral("Warning"), QStringLiteral("?"));
        clickWhenShown(&again, again.noButton());
        QCOMPARE(again.exec(), 0);

        ZelMessageBox warning(ZelMessageBox::Warning, QString(), QStringLiteral("Warning"), QStringLiteral("!"));
        clickWhenShown(&warning, warning.yesButton());
        QCOMPARE(warning.exec(), 1);
    }

    void acceptsItselfWhenAMouseIsPluggedIn()
    {
        ZelMessageBox box(ZelMessageBox::Receiver, QString(), QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        // The flag is set while the box is up, as the window does on arrival.
        QTimer::singleShot(150, [] { setMousePluggedIn(true); });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(box.exec(), 1);
        QVERIFY(clock.elapsed() < 5000);
    }

    void onlyAPollingBoxWatchesTheFlag()
    {
        setMousePluggedIn(true);
        ZelMessageBox box(ZelMessageBox::Receiver, QString(), QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, false);
        QVERIFY(box.findChildren<QTimer *>().isEmpty());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.GetPlugInSignal(); // the slot alone still reacts
        QCOMPARE(box.result(), int(QDialog::Accepted));

        setMousePluggedIn(false);
        ZelMessageBox polling(ZelMessageBox::Receiver, QString(), QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        polling.show();
        polling.GetPlugInSignal();
        QVERIFY(polling.isVisible());
        QCOMPARE(polling.result(), 0);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
