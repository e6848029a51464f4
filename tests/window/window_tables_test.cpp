// The main window's tables: scale steps, layout, tab visibility, link display, battery bar,
// rate notices and wheel skins.

#include "ui/main/battery_report.h"
#include "ui/main/link_display.h"
#include "ui/main/page_visibility.h"
#include "ui/main/status_texts.h"
#include "ui/main/wheel_skins.h"
#include "ui/main/window_layout.h"
#include "ui/main/window_scale.h"

#include <QtTest>

class WindowTablesTest : public QObject {
    Q_OBJECT
private slots:
    void scaleIndexFollowsTheUnevenBounds_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("index");
        QTest::newRow("96 dpi") << 1.0 << 0;
        QTest::newRow("just under 1.1") << 1.0999 << 0;
        QTest::newRow("1.1 is the next step") << 1.1 << 1;
        QTest::newRow("120 dpi") << 1.25 << 1;
        QTest::newRow("just under 1.4") << 1.3999 << 1;
        QTest::newRow("1.4") << 1.4 << 2;
        QTest::newRow("144 dpi") << 1.5 << 2;
        QTest::newRow("1.6") << 1.6 << 3;
        QTest::newRow("1.8") << 1.8 << 4;
        QTest::newRow("2.0 stays below 2.1") << 2.0 << 4;
        QTest::newRow("2.1") << 2.1 << 5;
        QTest::newRow("2.3") << 2.3 << 6;
        QTest::newRow("4.79") << 4.79 << 15;
        QTest::newRow("4.8 is the last step") << 4.8 << 16;
        QTest::newRow("far above") << 9.0 << 16;
        QTest::newRow("below one") << 0.5 << 0;
    }
    void scaleIndexFollowsTheUnevenBounds()
    {
        QFETCH(double, ratio);
        QFETCH(int, index);
        QCOMPARE(scaleIndexForRatio(ratio), index);
    }

    void factorsStepByAQuarterAndClamp()
    {
        QCOMPARE(scaleFactorForIndex(0), 1.0);
        QCOMPARE(scaleFactorForIndex(2), 1.5);
        QCOMPARE(scaleFactorForIndex(16), 5.0);
        QCOMPARE(scaleFactorForIndex(17), 5.0);
        QCOMPARE(scaleFactorForIndex(-3), 1.0);
    }

    void windowWidthMatchesWithinNinePixels()
    {
        QCOMPARE(scaleIndexForWindowWidth(999), 0);
        QCOMPARE(scaleIndexForWindowWidth(990), 0);
        QCOMPARE(scaleIndexForWindowWidth(1008), 0);
        QCOMPARE(scaleIndexForWindowWidth(1009), -1);
        QCOMPARE(scaleIndexForWindowWidth(989), -1);
        QCOMPARE(scaleIndexForWindowWidth(1248), 1);
        QCOMPARE(scaleIndexForWindowWidth(1498), 2);
        QCOMPARE(scaleIndexForWindowWidth(1740), 3);
        QCOMPARE(scaleIndexForWindowWidth(2000), -1);
    }

    void controlsScaleAndTruncate()
    {
        QCOMPARE(controlGeometry(WindowControl::Apply, 1.0), QRect(597, 588, 76, 30));
        // 597 x 1.5 = 895.5, 588 x 1.25 = 735, 76 x 1.25 = 95, 30 x 1.25 = 37.5
        QCOMPARE(controlGeometry(WindowControl::Apply, 1.5), QRect(895, 882, 114, 45));
        QCOMPARE(controlGeometry(WindowControl::Apply, 1.25), QRect(746, 735, 95, 37));
        QCOMPARE(controlGeometry(WindowControl::TabMacro, 1.0), QRect(69, 192, 154, 29));
        QCOMPARE(controlGeometry(WindowControl::BatteryBar, 1.0), QRect(75, 587, 71, 34));
        QCOMPARE(controlGeometry(WindowControl::PointerPage, 2.0), QRect(1492, 370, 458, 732));
    }

    void zeroSizeControlsStayZeroAtEveryScale()
    {
        for (WindowControl zero : {WindowControl::Ok, WindowControl::Cancel, WindowControl::Firmware,
                                   WindowControl::Slot3, WindowControl::ProfileSelector, WindowControl::FrontButton,
                                   WindowControl::Hotspot}) {
            QCOMPARE(controlGeometry(zero, 1.0).size(), QSize(0, 0));
            QCOMPARE(controlGeometry(zero, 2.5).size(), QSize(0, 0));
        }
    }

    void libraryPanelFillsTheLeftColumnUnderTheTabs()
    {
        const WindowControl panel[] = {WindowControl::LibraryMenu, WindowControl::NameLabel, WindowControl::NameEdit,
                                       WindowControl::Add,         WindowControl::Copy,      WindowControl::Delete,
                                       WindowControl::Reset,       WindowControl::Import,    WindowControl::Export,
                                       WindowControl::Programs};
        for (double factor : {1.0, 1.5, 2.25}) {
            const QRect lastTab = controlGeometry(WindowControl::TabMacro, factor);
            // Under the tabs, as wide as they are, above the footer's buttons.
            const QRect column(lastTab.left(), lastTab.bottom() + 1, lastTab.width(),
                               controlGeometry(WindowControl::ResetAll, factor).top() - lastTab.bottom() - 1);
            for (WindowControl a : panel) {
                const QRect area = controlGeometry(a, factor);
                QVERIFY2(!area.isEmpty() && column.contains(area), qPrintable(QString::number(int(a))));
                for (WindowControl b : panel) {
                    if (a != b)
                        QVERIFY2(!area.intersects(controlGeometry(b, factor)), qPrintable(QString::number(int(a))));
                }
            }
        }
    }

    void disabledFunctionsZeroTheirTabs()
    {
        LayoutOptions options;
        options.macroDisabled = true;
        QCOMPARE(controlGeometry(WindowControl::TabMacro, 1.0, options).size(), QSize(0, 0));
        QCOMPARE(controlGeometry(WindowControl::TabLighting, 1.0, options), QRect(69, 90, 154, 29));
        options = LayoutOptions{};
        options.lightingDisabled = true;
        QCOMPARE(controlGeometry(WindowControl::TabLighting, 1.0, options).size(), QSize(0, 0));
        QCOMPARE(controlGeometry(WindowControl::TabMacro, 1.0, options), QRect(69, 192, 154, 29));
    }

    void buttonImagesComeFromTheTable()
    {
        QCOMPARE(controlImages(WindowControl::Close),
                 QStringList({"/skin/close-1.png", "/skin/close-2.png", "/skin/close-3.png"}));
        QCOMPARE(controlImages(WindowControl::TabDpi),
                 QStringList({"/skin/tabbutton-1.png", "/skin/tabbutton-3.png", "/skin/tabbutton-2.png"}));
        QCOMPARE(controlImages(WindowControl::Language).size(), 3);
        QVERIFY(controlImages(WindowControl::BatteryBar).isEmpty());
    }

    void buttonPageGrowsBeyondNineButtons()
    {
        QCOMPARE(customizePageSize(9, 1.0), QSize(332, 440));
        QCOMPARE(customizePageSize(6, 1.0), QSize(332, 440));
        QCOMPARE(customizePageSize(10, 1.0), QSize(332, 520));
        QCOMPARE(customizePageSize(16, 1.5), QSize(498, 1230));
    }

    void tabsShowTheirPages()
    {
        using P = PagePart;
        // LIGHTING
        QVERIFY(pagePartVisible(0, P::LightingPage, true));
        QVERIFY(pagePartVisible(0, P::ModelLabel, true));
        QVERIFY(pagePartVisible(0, P::FrontPicture, false));
        for (P hidden : {P::SidePicture, P::FrontSideButtons, P::FrontHotspots, P::SideHotspots, P::WheelHotspots,
                         P::CustomizePage, P::DpiPage, P::PointerPage, P::RatePage, P::MacroPage})
            QVERIFY(!pagePartVisible(0, hidden, true));
        // CUSTOMIZE, front and side view
        for (P shown : {P::ModelLabel, P::FrontSideButtons, P::CustomizePage, P::WheelHotspots}) {
            QVERIFY(pagePartVisible(1, shown, true));
            QVERIFY(pagePartVisible(1, shown, false));
        }
        QVERIFY(pagePartVisible(1, P::FrontPicture, true));
        QVERIFY(pagePartVisible(1, P::FrontHotspots, true));
        QVERIFY(!pagePartVisible(1, P::SidePicture, true));
        QVERIFY(!pagePartVisible(1, P::SideHotspots, true));
        QVERIFY(!pagePartVisible(1, P::FrontPicture, false));
        QVERIFY(pagePartVisible(1, P::SidePicture, false));
        QVERIFY(pagePartVisible(1, P::SideHotspots, false));
        for (P hidden : {P::LightingPage, P::DpiPage, P::PointerPage, P::RatePage, P::MacroPage})
            QVERIFY(!pagePartVisible(1, hidden, true));
        // DPI
        for (int part = 0; part < kPagePartCount; ++part) {
            const P p = P(part);
            const bool expected = p == P::DpiPage || p == P::PointerPage || p == P::RatePage;
            QCOMPARE(pagePartVisible(2, p, true), expected);
            QCOMPARE(pagePartVisible(3, p, false), p == P::MacroPage);
        }
        // No such tab
        QVERIFY(!pagePartVisible(4, P::MacroPage, true));
        QVERIFY(!pagePartVisible(-1, P::LightingPage, true));
    }

    void linkDisplayFollowsTheConnections_data()
    {
        QTest::addColumn<bool>("cable");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("charging");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("receiverIcon");
        QTest::addColumn<bool>("bar");
        QTest::newRow("cable and receiver") << true << true << false << 1 << true << false;
        QTest::newRow("cable and receiver, charging") << true << true << true << 1 << true << false;
        QTest::newRow("cable only") << true << false << false << 0 << false << false;
        QTest::newRow("cable only, charging") << true << false << true << 0 << false << false;
        QTest::newRow("receiver") << false << true << false << 2 << true << true;
        QTest::newRow("receiver, charging") << false << true << true << 1 << true << false;
        QTest::newRow("nothing") << false << false << false << 3 << false << true;
        QTest::newRow("nothing, charging") << false << false << true << 3 << false << true;
    }
    void linkDisplayFollowsTheConnections()
    {
        QFETCH(bool, cable);
        QFETCH(bool, receiver);
        QFETCH(bool, charging);
        QFETCH(int, state);
        QFETCH(bool, receiverIcon);
        QFETCH(bool, bar);
        const LinkDisplay display = linkDisplayFor(cable, receiver, charging);
        QCOMPARE(display.linkState, state);
        QCOMPARE(display.receiverIcon, receiverIcon);
        QCOMPARE(display.batteryBar, bar);
        QCOMPARE(display.cableFrame, state < 2);
    }

    void batteryBarReadsTheReport()
    {
        const BatteryBarView off = batteryBarView(0, false);
        QVERIFY(off.mouseOff);
        QVERIFY(!off.textVisible);
        QVERIFY(batteryBarView(0, true).mouseOff);

        const BatteryBarView wireless = batteryBarView(57, false);
        QVERIFY(!wireless.mouseOff);
        QVERIFY(wireless.textVisible);
        QVERIFY(wireless.percentText);
        QCOMPARE(wireless.value, 57);

        const BatteryBarView cable = batteryBarView(57, true);
        QVERIFY(!cable.percentText);
        QCOMPARE(cable.value, 100);

        QCOMPARE(batteryBarView(180, false).value, 100);
    }

    void batteryStylesCarryAccentAndScale()
    {
        const QString grey = batteryBarStyle(true, QColor(219, 200, 182), 24);
        QVERIFY(grey.contains("rgb(100,100,100)"));
        QVERIFY(grey.contains("font-size:24px"));
        QVERIFY(grey.contains("color:white"));
        const QString white = batteryBarStyle(false, QColor(219, 200, 182), 16);
        QVERIFY(white.contains("#FFFFFF"));
        QVERIFY(white.contains("rgb(219,200,182)"));
        QVERIFY(white.contains("font-size:16px"));
        QVERIFY(white.contains("color:black"));
    }

    void batteryTextIsSixteenPixelsWhenItFits()
    {
        QCOMPARE(batteryTextPixels(QStringLiteral("1"), QStringLiteral("DejaVu Sans"), 71, 1.0), 16);
        QCOMPARE(batteryTextPixels(QStringLiteral("1"), QStringLiteral("DejaVu Sans"), 106, 1.5), 24);
        const int shrunk = batteryTextPixels(QStringLiteral("MOUSE OFF"), QStringLiteral("DejaVu Sans"), 71, 1.0);
        QVERIFY(shrunk < 16 && shrunk > 6);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(shrunk);
        QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("MOUSE OFF")) <= 67);
    }

    void rateNoticesForTheFourCodes()
    {
        QCOMPARE(rateNoticeText(8), QStringLiteral("125 HZ"));
        QCOMPARE(rateNoticeText(4), QStringLiteral("250 HZ"));
        QCOMPARE(rateNoticeText(2), QStringLiteral("500 HZ"));
        QCOMPARE(rateNoticeText(1), QStringLiteral("1000 HZ"));
        for (int other : {0, 3, 5, 16, 255})
            QVERIFY2(rateNoticeText(other).isEmpty(), qPrintable(QString::number(other)));
    }

    void dpiNoticeCountsStagesFromOne()
    {
        QCOMPARE(dpiNoticeText(0, 800, 800), QStringLiteral("DPI 1:800"));
        QCOMPARE(dpiNoticeText(7, 16000, 16000), QStringLiteral("DPI 8:16000"));
        QCOMPARE(dpiNoticeText(1, 10800, 1600), QStringLiteral("DPI 2:10800 \u00d7 1600"));
    }

    void wheelSkinsDependOnTheExactModelName()
    {
        const WheelSkins alternate = wheelSkinsFor(QStringLiteral("TORVIK FPS"));
        QCOMPARE(alternate.up.first(), QStringLiteral("/skin/btn_up4.png"));
        QCOMPARE(alternate.down.last(), QStringLiteral("/skin/btn_down3.png"));
        QCOMPARE(wheelSkinsFor(QStringLiteral("HASTREL")).up.first(), QStringLiteral("/skin/btn_up4.png"));
        const WheelSkins plain = wheelSkinsFor(QStringLiteral("torvik fps"));
        QCOMPARE(plain.up, QStringList({"/skin/btn_up2.png", "/skin/btn_up1.png", "/skin/btn_up1.png"}));
        QCOMPARE(wheelSkinsFor(QStringLiteral("Glide X7")).down.first(), QStringLiteral("/skin/btn_down2.png"));
    }
};

QTEST_MAIN(WindowTablesTest)
#include "window_tables_test.moc"
