// The progress dialog of apply: its look and that only the writer's signal closes it.

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
        QCOMPARE(dialog.size(), QSize(128, 128));
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
