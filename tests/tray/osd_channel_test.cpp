// The notice block byte for byte, the parser against hostile blocks, and both ends of the
// socket channel: the companion's listener and the program's sender that starts the companion.

#include "platform/osd_channel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// Waits end as soon as the condition holds; the bound only matters on a loaded machine.
constexpr int kWaitMs = 20000;

namespace {

quint32 intAt(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint32>(block.constData() + offset);
}

quint16 unitAt(const QByteArray &block, int offset, int unit)
{
    return qFromLittleEndian<quint16>(block.constData() + offset + 2 * unit);
}

void putUnit(QByteArray &block, int offset, int unit, quint16 value)
{
    qToLittleEndian<quint16>(value, block.data() + offset + 2 * unit);
}

OsdMessage sample(const QString &text)
{
    OsdMessage m;
    m.text = text;
    m.colour = osdColour(0xFF, 0x80, 0x10);
    return m;
}

} // namespace

class OsdChannelTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;

    // A stand-in for the companion: a script that records each start and never listens.
    QString fakeCompanion(const QString &marker)
    {
        const QString path = m_runtime.filePath(QStringLiteral("fake-osd"));
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\necho started \"$@\" >> '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return path;
    }

    static int lineCount(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        // The channel's socket lives in the runtime folder: keep it private to this run.
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void blockHasTheFixedLayout()
    {
        const QByteArray block = encodeOsdMessage(sample(QStringLiteral("DPI 2:1600")));
        QCOMPARE(block.size(), 1044);
        const QString text = QStringLiteral("DPI 2:1600");
        for (int i = 0; i < text.size(); ++i)
            QCOMPARE(unitAt(block, 0, i), text.at(i).unicode());
        QCOMPARE(unitAt(block, 0, text.size()), quint16(0));
        QCOMPARE(intAt(block, 512), 0u);
        QCOMPARE(intAt(block, 516), 1500u);
        QCOMPARE(intAt(block, 520), 0u);
        // Red in the low byte, blue in the third; the top byte stays clear.
        QCOMPARE(block.mid(524, 4), QByteArray("\xFF\x80\x10\x00", 4));
        QCOMPARE(intAt(block, 528), 60u);
        const QString font = QStringLiteral("Arial");
        for (int i = 0; i < font.size(); ++i)
            QCOMPARE(unitAt(block, 532, i), font.at(i).unicode());
        QCOMPARE(unitAt(block, 532, font.size()), quint16(0));
        // Everything after the terminators is zero.
        QCOMPARE(block.mid(2 * (text.size() + 1), 512 - 2 * (text.size() + 1)), QByteArray(512 - 2 * (text.size() + 1), '\0'));
        QCOMPARE(block.mid(532 + 2 * (font.size() + 1)), QByteArray(512 - 2 * (font.size() + 1), '\0'));
    }

    void longTextsAreCutAt255UnitsKeepingPairsWhole()
    {
        const QByteArray block = encodeOsdMessage(sample(QString(300, QLatin1Char('x'))));
        QCOMPARE(unitAt(block, 0, 254), quint16('x'));
        QCOMPARE(unitAt(block, 0, 255), quint16(0)); // the terminator always fits
        QCOMPARE(parseOsdMessage(block).message.text, QString(255, QLatin1Char('x')));

        // A pair across the limit is left out whole rather than cut in half.
        const QString emoji = QString::fromUcs4(U"\U0001F5B1");
        const QString text = QString(254, QLatin1Char('y')) + emoji;
        const OsdParseResult cut = parseOsdMessage(encodeOsdMessage(sample(text)));
        QVERIFY2(cut.ok, qPrintable(cut.error));
        QCOMPARE(cut.message.text, QString(254, QLatin1Char('y')));
        const OsdParseResult whole = parseOsdMessage(encodeOsdMessage(sample(QStringLiteral("Profil ") + emoji)));
        QCOMPARE(whole.message.text, QStringLiteral("Profil ") + emoji);
    }

    void parsedBlockGivesBackWhatWasSent()
    {
        OsdMessage m = sample(QStringLiteral("1000 HZ"));
        m.durationMs = 2500;
        m.textPixels = 48;
        m.fontName = QStringLiteral("DejaVu Sans");
        const OsdParseResult parsed = parseOsdMessage(encodeOsdMessage(m));
        QVERIFY2(parsed.ok, qPrintable(parsed.error));
        QCOMPARE(parsed.message.text, m.text);
        QCOMPARE(parsed.message.durationMs, 2500);
        QCOMPARE(parsed.message.colour, 0x1080FFu);
        QCOMPARE(parsed.message.textPixels, 48);
        QCOMPARE(parsed.message.fontName, m.fontName);
    }

    void hostileBlocksAreRefused_data()
    {
        QTest::addColumn<QByteArray>("block");
        const QByteArray good = encodeOsdMessage(sample(QStringLiteral("DPI 1:400")));
        auto with = [&](std::function<void(QByteArray &)> change) {
            QByteArray b = good;
            change(b);
            return b;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte short") << good.left(1043);
        QTest::newRow("one byte long") << good + '\0';
        QTest::newRow("text without terminator") << with([](QByteArray &b) {
            for (int i = 0; i < 256; ++i)
                putUnit(b, 0, i, 'A');
        });
        QTest::newRow("font without terminator") << with([](QByteArray &b) {
            for (int i = 0; i < 256; ++i)
                putUnit(b, 532, i, 'F');
        });
        QTest::newRow("lone low surrogate") << with([](QByteArray &b) { putUnit(b, 0, 0, 0xDC00); });
        QTest::newRow("high surrogate before a letter") << with([](QByteArray &b) { putUnit(b, 0, 0, 0xD83D); });
        QTest::newRow("high surrogate before the end") << with([](QByteArray &b) {
            putUnit(b, 0, 0, 0xD83D);
            putUnit(b, 0, 1, 0);
        });
        QTest::newRow("colour beyond blue") << with([](QByteArray &b) { qToLittleEndian<quint32>(0x01000000u, b.data() + 524); });
        QTest::newRow("no display time") << with([](QByteArray &b) { qToLittleEndian<quint32>(0u, b.data() + 516); });
        QTest::newRow("negative display time") << with([](QByteArray &b) { qToLittleEndian<qint32>(-1500, b.data() + 516); });
        QTest::newRow("display time over a minute") << with([](QByteArray &b) { qToLittleEndian<qint32>(60001, b.data() + 516); });
        QTest::newRow("text height zero") << with([](QByteArray &b) { qToLittleEndian<qint32>(0, b.data() + 528); });
        QTest::newRow("text height huge") << with([](QByteArray &b) { qToLittleEndian<qint32>(100000, b.data() + 528); });
    }

    void hostileBlocksAreRefused()
    {
        QFETCH(QByteArray, block);
        const OsdParseResult parsed = parseOsdMessage(block);
        QVERIFY(!parsed.ok);
        QVERIFY(!parsed.error.isEmpty());
    }

    void listenerPassesGoodBlocksAndDropsAStreamAfterABadOne()
    {
        OsdListener listener;
        QVERIFY(listener.listen());
        QSignalSpy received(&listener, &OsdListener::messageReceived);
        QSignalSpy refused(&listener, &OsdListener::messageRefused);

        // Two blocks in one write, then one whose display time makes no sense, then a good one
        // that must not be read: the stream can no longer be trusted to be cut right.
        QByteArray bad = encodeOsdMessage(sample(QStringLiteral("bad")));
        qToLittleEndian<qint32>(-5, bad.data() + 516);
        QLocalSocket peer;
        peer.connectToServer(osdSocketPath());
        QVERIFY(peer.waitForConnected(kWaitMs));
        peer.write(encodeOsdMessage(sample(QStringLiteral("one"))) + encodeOsdMessage(sample(QStringLiteral("two"))) + bad
                   + encodeOsdMessage(sample(QStringLiteral("never"))));
        QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 1, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QLocalSocket::UnconnectedState, kWaitMs);
        QCOMPARE(received.count(), 2);
        QCOMPARE(received.at(0).first().value<OsdMessage>().text, QStringLiteral("one"));
        QCOMPARE(received.at(1).first().value<OsdMessage>().text, QStringLiteral("two"));

        // A stream that ends inside a block is refused for its size.
        QLocalSocket shortPeer;
        shortPeer.connectToServer(osdSocketPath());
        QVERIFY(shortPeer.waitForConnected(kWaitMs));
        shortPeer.write(encodeOsdMessage(sample(QStringLiteral("cut"))).left(600));
        shortPeer.disconnectFromServer();
        QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 2, kWaitMs);
        QVERIFY(refused.last().first().toString().contains(QStringLiteral("600")));
        QCOMPARE(received.count(), 2);
    }

    void senderDeliversTheNewestBlockOnceTheCompanionAnswers()
    {
        const QString marker = m_runtime.filePath(QStringLiteral("starts-late"));
        OsdSender sender(fakeCompanion(marker));
        QSignalSpy delivered(&sender, &OsdSender::delivered);
        QSignalSpy dropped(&sender, &OsdSender::dropped);
        sender.send(encodeOsdMessage(sample(QStringLiteral("DPI 1:400"))));
        // The call returned before anyone listened: the GUI thread is never held up.
        QVERIFY(sender.isWaiting());
        QTRY_COMPARE_WITH_TIMEOUT(lineCount(marker), 1, kWaitMs);
        sender.send(encodeOsdMessage(sample(QStringLiteral("DPI 2:800"))));

        // The companion comes up: the waiting notice is the newer one.
        OsdListener listener;
        QSignalSpy received(&listener, &OsdListener::messageReceived);
        QVERIFY(listener.listen());
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, kWaitMs);
        QCOMPARE(received.first().first().value<OsdMessage>().text, QStringLiteral("DPI 2:800"));
        QCOMPARE(delivered.count(), 1);
        QCOMPARE(dropped.count(), 0);
        QVERIFY(!sender.isWaiting());
        QVERIFY(lineCount(marker) <= 2);

        // While it runs, notices go straight through without a start.
        const int starts = lineCount(marker);
        sender.send(encodeOsdMessage(sample(QStringLiteral("500 HZ"))));
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 2, kWaitMs);
        QCOMPARE(received.last().first().value<OsdMessage>().text, QStringLiteral("500 HZ"));
        QCOMPARE(lineCount(marker), starts);
    }

    void senderGivesUpAfterFiveStarts()
    {
        const QString marker = m_runtime.filePath(QStringLiteral("starts-never"));
        OsdSender sender(fakeCompanion(marker));
        QSignalSpy dropped(&sender, &OsdSender::dropped);
        QSignalSpy delivered(&sender, &OsdSender::delivered);
        sender.send(encodeOsdMessage(sample(QStringLiteral("250 HZ"))));
        QVERIFY(dropped.wait(kWaitMs));
        QCOMPARE(delivered.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(lineCount(marker), OsdSender::kMaxStarts, kWaitMs);
        QVERIFY(!sender.isWaiting());
        // Each start names this program as the one the companion serves.
        QFile starts(marker);
        QVERIFY(starts.open(QIODevice::ReadOnly));
        const QStringList words = QString::fromUtf8(starts.readLine()).simplified().split(QLatin1Char(' '));
        QCOMPARE(osdOwnerFromArguments(words), QCoreApplication::applicationPid());

        // A missing program counts the same and is not an error the user hears of.
        OsdSender missing(m_runtime.filePath(QStringLiteral("no-such-program")));
        QSignalSpy missingDropped(&missing, &OsdSender::dropped);
        missing.send(encodeOsdMessage(sample(QStringLiteral("x"))));
        QVERIFY(missingDropped.wait(kWaitMs));
    }

    // The real companion ends soon after the program it serves, however that ends; one started
    // for a program already gone does not stay either.
    void companionEndsWithItsOwner()
    {
        QProcess owner;
        owner.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(owner.waitForStarted(kWaitMs));
        QProcess companion;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        companion.setProcessEnvironment(env);
        const qint64 ownerPid = owner.processId();
        companion.start(QStringLiteral(ZEL_OSD_PROGRAM), osdCompanionArguments(ownerPid));
        QVERIFY(companion.waitForStarted(kWaitMs));
        // Up and listening before its owner goes.
        const auto listening = [] {
            QLocalSocket probe;
            probe.connectToServer(osdSocketPath());
            return probe.waitForConnected(100);
        };
        QTRY_VERIFY_WITH_TIMEOUT(listening(), kWaitMs);
        QCOMPARE(companion.state(), QProcess::Running);

        owner.kill();
        QVERIFY(owner.waitForFinished(kWaitMs));
        QElapsedTimer ending;
        ending.start();
        QVERIFY(companion.waitForFinished(kWaitMs));
        QVERIFY2(ending.elapsed() < 3000, qPrintable(QStringLiteral("ended after %1 ms").arg(ending.elapsed())));
        QCOMPARE(companion.exitStatus(), QProcess::NormalExit);

        QProcess late;
        late.setProcessEnvironment(env);
        late.start(QStringLiteral(ZEL_OSD_PROGRAM), osdCompanionArguments(ownerPid));
        QVERIFY(late.waitForFinished(kWaitMs));
    }
};

QTEST_GUILESS_MAIN(OsdChannelTest)
#include "osd_channel_test.moc"
