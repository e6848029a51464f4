// The progress dialog of apply: its look, what it says, and that only the session's report closes it.

#include "ui/main/zel_process_dialog.h"

#include <QLabel>
#include <QMovie>
#include <QWidget>
#include <QtTest>

class ProcessDialogTest : public QObject {
    Q_OBJECT
private slots:
    void smallFramelessAnimationCentredOnTheWindow()
    {
        QWidget window;
        window.setGeometry(100, 50, 999, 640);
        ZelProcessDialog dialog;
        QVERIFY(dialog.width() >= 128 && dialog.height() >= 128);
        QCOMPARE(dialog.windowFlags() & ~Qt::WindowType_Mask, Qt::FramelessWindowHint & ~Qt::WindowType_Mask);
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(dialog.parent() == nullptr);
        QVERIFY(dialog.animationRunning());
        auto *label = dialog.findChild<QLabel *>();
        QVERIFY(label && label->movie());
        QCOMPARE(label->movie()->fileName(), QStringLiteral(":/skin/loading.gif"));
        QVERIFY(label->movie()->isValid());
        dialog.centreOn(&window);
        QCOMPARE(dialog.geometry().center(), window.geometry().center());
    }

    void saysWhichTryAndHowFar()
    {
        ZelProcessDialog dialog;
        QCOMPARE(dialog.statusText(), QStringLiteral("Writing to the mouse…"));
        dialog.setProgress(3, 11);
        QCOMPARE(dialog.statusText(), QStringLiteral("Sent 3 of 11 to the mouse"));
        dialog.setAttempt(2);
        QCOMPARE(dialog.statusText(), QStringLiteral("Try 2\nWriting to the mouse…"));
    }

    void onlyTheWritersSignalClosesIt()
    {
        ZelProcessDialog dialog;
        int result = -1;
        QTimer::singleShot(0, &dialog, [&]() {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            QVERIFY(dialog.isVisible());
            dialog.slotProcessDlg();
        });
        result = dialog.exec();
        QCOMPARE(result, 1);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(ProcessDialogTest)
#include "process_dialog_test.moc"
