// The keyboard capture layer: evdev codes to scan codes and flags, the program's own codes for
// keys sharing a scan code, auto-repeat, and the keyboard grab.

#include "platform/key_capture.h"
#include "store/key_table.h"
#include "native_keys.h"

#include <QKeyEvent>
#include <QWidget>
#include <QtTest>

namespace {

// The program code and its name for a press and a release of one physical key.
struct Physical {
    int evdev;
    quint8 scanCode;
    quint8 pressFlags;
    quint8 keyCode;
    const char *name;
};

} // namespace

class KeyCaptureTest : public QObject {
    Q_OBJECT
private slots:
    void physicalKeysGetTheirOwnCodes()
    {
        setFrenchKeyNames(-1, 0);
        const Physical keys[] = {
            {29, 0x1D, 0x00, 0x1D, "LCtr"},        {97, 0x1D, 0x01, 238, "RCtr"},
            {56, 0x38, 0x20, 0x38, "LAlt"},        {100, 0x38, 0x21, 239, "RAlt"},
            {28, 0x1C, 0x00, 0x1C, "Enter"},       {96, 0x1C, 0x01, 229, "Num Enter"},
            {53, 0x35, 0x00, 0x35, "/"},           {98, 0x35, 0x01, 226, "Num /"},
            {69, 0x45, 0x01, 225, "Num Lock"},     {119, 0x45, 0x00, 0x45, "Pause Break"},
            {55, 0x37, 0x00, 227, "Num *"},        {99, 0x37, 0x01, 0x37, "Print Screen"},
            // The navigation block and its keypad twins.
            {102, 0x47, 0x01, 0x47, "Home"},       {71, 0x47, 0x00, 235, "Num 7"},
            {103, 0x48, 0x01, 0x48, "Up"},         {72, 0x48, 0x00, 236, "Num 8"},
            {104, 0x49, 0x01, 0x49, "Page Up"},    {73, 0x49, 0x00, 228, "Num 9"},
            {105, 0x4B, 0x01, 0x4B, "Left"},       {75, 0x4B, 0x00, 233, "Num 4"},
            {106, 0x4D, 0x01, 0x4D, "Right"},      {77, 0x4D, 0x00, 234, "Num 6"},
            {107, 0x4F, 0x01, 0x4F, "End"},        {79, 0x4F, 0x00, 230, "Num 1"},
            {108, 0x50, 0x01, 0x50, "Down"},       {80, 0x50, 0x00, 231, "Num 2"},
            {109, 0x51, 0x01, 0x51, "Page Down"},  {81, 0x51, 0x00, 232, "Num 3"},
            {110, 0x52, 0x01, 0x52, "Insert"},     {82, 0x52, 0x00, 237, "Num 0"},
            {111, 0x53, 0x01, 0x53, "Delete"},     {83, 0x53, 0x00, 224, "Num De"},
            {76, 0x4C, 0x00, 0x4C, "Num 5"},
            {125, 0x5B, 0x01, 0x5B, "LWindows"},   {126, 0x5C, 0x01, 0x5C, "RWindows"},
            {127, 0x5D, 0x01, 0x5D, "App"},
            {30, 0x1E, 0x00, 0x1E, "A"},           {87, 0x57, 0x00, 0x57, "F11"},
        };
        for (const Physical &k : keys) {
            const QByteArray what = QByteArray("evdev ") + QByteArray::number(k.evdev);
            const auto down = captureKeyEvent(nativeKey(QEvent::KeyPress, k.evdev));
            const auto up = captureKeyEvent(nativeKey(QEvent::KeyRelease, k.evdev));
            QVERIFY2(down && up, what);
            QVERIFY2(down->scanCode == k.scanCode && up->scanCode == k.scanCode, what);
            QVERIFY2(down->flags == k.pressFlags, what);
            // The release drops the Alt bit of an Alt key and adds the up bit.
            QVERIFY2(up->flags == quint8((k.pressFlags & kKeyFlagExtended) | kKeyFlagUp), what);
            QVERIFY2(captureKeyCode(*down) == k.keyCode && captureKeyCode(*up) == k.keyCode, what);
            QVERIFY2(keyName(k.keyCode) == QLatin1String(k.name), what + " " + keyName(k.keyCode).toLatin1());
        }
    }

    void captureStepFollowsTheFlags()
    {
        // Extended codes are replaced only for exactly the extended bit, with or without up.
        QCOMPARE(int(captureKeyCode(29, 0x01)), 238);
        QCOMPARE(int(captureKeyCode(29, 0x81)), 238);
        QCOMPARE(int(captureKeyCode(29, 0x21)), 29);
        QCOMPARE(int(captureKeyCode(69, 0x00)), 69);
        // Right Alt: 1, 33 and 129.
        for (quint8 f : {0x01, 0x21, 0x81})
            QCOMPARE(int(captureKeyCode(56, f)), 239);
        QCOMPARE(int(captureKeyCode(56, 0x20)), 56);
        QCOMPARE(int(captureKeyCode(56, 0xA1)), 56);
        // Keypad codes only without any bit but the up bit.
        QCOMPARE(int(captureKeyCode(71, 0x80)), 235);
        QCOMPARE(int(captureKeyCode(71, 0x20)), 71);
        QCOMPARE(int(captureKeyCode(83, 0x01)), 83);

        // A key pressed with Alt held carries the Alt bit; so does its release.
        const auto altA = captureKeyEvent(nativeKey(QEvent::KeyPress, 30, Qt::AltModifier));
        QVERIFY(altA);
        QCOMPARE(int(altA->flags), 0x20);
        const auto altKeypad = captureKeyEvent(nativeKey(QEvent::KeyRelease, 71, Qt::AltModifier));
        QVERIFY(altKeypad);
        QCOMPARE(int(altKeypad->flags), 0xA0);
        QCOMPARE(int(captureKeyCode(*altKeypad)), 71);
    }

    void keysWithoutACodeAreNotCaptured()
    {
        // Volume up (115) shares its set-1 code with "B": it must not pass for it.
        for (int evdev : {115, 113, 86, 84, 0, 240})
            QVERIFY2(!pcScanCodeFromEvdev(evdev, nullptr, nullptr), QByteArray::number(evdev));
        QVERIFY(!captureKeyEvent(nativeKey(QEvent::KeyPress, 115)));
        // No native code at all (a synthetic event).
        QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCOMPARE(evdevCodeOfKeyEvent(synthetic), -1);
        QVERIFY(!captureKeyEvent(synthetic));
    }

    void autoRepeatRepeatsThePressOnly()
    {
        const auto first = captureKeyEvent(nativeKey(QEvent::KeyPress, 97));
        const auto repeatUp = captureKeyEvent(nativeKey(QEvent::KeyRelease, 97, Qt::ControlModifier, true));
        const auto repeatDown = captureKeyEvent(nativeKey(QEvent::KeyPress, 97, Qt::ControlModifier, true));
        const auto realUp = captureKeyEvent(nativeKey(QEvent::KeyRelease, 97, Qt::ControlModifier));
        QVERIFY(first && repeatDown && realUp);
        QVERIFY(!repeatUp);
        QCOMPARE(*repeatDown, *first);
        QVERIFY(realUp->isRelease());
        QVERIFY(*realUp != *first);
    }

    void grabFollowsVisibilityAndLifetime()
    {
        QWidget dialog;
        auto *grab = new KeyboardGrab(&dialog);
        QVERIFY(grab->isActive());
        QVERIFY(!grab->isGrabbing()); // not shown yet
        dialog.show();
        QVERIFY(grab->isGrabbing());

        dialog.hide();
        QVERIFY(!grab->isGrabbing());
        QCOMPARE(QWidget::keyboardGrabber(), static_cast<QWidget *>(nullptr));
        dialog.show();
        QVERIFY(grab->isGrabbing());
        grab->setActive(false);
        QVERIFY(!grab->isGrabbing());
        grab->setActive(true);
        QVERIFY(grab->isGrabbing());
        delete grab;
        QCOMPARE(QWidget::keyboardGrabber(), static_cast<QWidget *>(nullptr));
    }
};

QTEST_MAIN(KeyCaptureTest)
#include "key_capture_test.moc"
