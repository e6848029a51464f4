// The window's Apply while the mouse keeps reporting its status: the write goes out whole and
// the reports go on reaching the window before and after it. Also run under ThreadSanitizer
// (scripts/test.sh --tsan): the GUI thread, the session thread and the poller meet here.

#include "device/device_session.h"
#include "emulator/mouse_emulator.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zizirazi_widget.h"
#include "emulated_window_test.h"

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

class WindowApplyTest : public EmulatedWindowTest {
    Q_OBJECT
private slots:
    void applyWhileTheMouseReports()
    {
        auto window = openWindow();
        QSignalSpy reports(window->deviceSession(), &DeviceSession::RefreshStatus);
        // The mouse sends a report of its own ten times a second, during the writes too.
        QTimer chatter;
        QObject::connect(&chatter, &QTimer::timeout, [this] { mouse().sendStatusReport(); });
        chatter.start(100);
        QVERIFY(reports.wait(30000));

        for (int round = 1; round <= 3; ++round) {
            currentSettings.profiles[0].pollrate = uint8_t(round);
            // A failed write asks; the answer ends the test rather than the time-out.
            QString failure;
            auto *refuse = new QTimer(this);
            QObject::connect(refuse, &QTimer::timeout, [&failure] {
                if (auto *box = qobject_cast<ZelMessageBox *>(QApplication::activeModalWidget())) {
                    failure = box->messageLabel()->text();
                    box->noButton()->click();
                }
            });
            refuse->start(20);
            qobject_cast<ZelPushButton *>(window->control(WindowControl::Apply))->click();
            delete refuse;
            QCOMPARE(failure, QString());
            QCOMPARE(int(mouse().state().rateCode), round);
            QCOMPARE(readApplyFailedFlag(), 0);
            QVERIFY(!window->isMouseOutOfDate());
            QCOMPARE(int(appliedSettings.profiles[0].pollrate), round);
        }
        // A successful write polls again, and the reports come through.
        reports.clear();
        QVERIFY(reports.wait(30000));
        chatter.stop();
    }
};

QTEST_MAIN(WindowApplyTest)
#include "window_apply_test.moc"
