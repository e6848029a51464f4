// The DPI tab end to end against the emulated mouse: what the user edits on the three pages
// reaches the mouse at Apply, stays after a restart, and the mouse's own stage changes are
// shown.

#include "device/dpi_encoding.h"
#include "emulator/mouse_emulator.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/language_config.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/pages/macro_dialog.h"
#include "ui/pages/zel_color_window.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/zel_point_speed.h"
#include "ui/pages/zel_report_rate.h"
#include "ui/pages/zel_single_dpi.h"
#include "ui/pages/zel_two_bar_slider.h"
#include "../window/window_fixture.h"

#include <QCheckBox>
#include <QMenu>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

constexpr int kTimeoutMs = 5000;

// A user's click on a bar of the slider, at a fraction of its width.
int clickAt(QSlider *bar, double fraction)
{
    const int before = bar->value();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(int(bar->width() * fraction), bar->height() / 2));
    return bar->value() != before ? bar->value() : -1;
}

void setLinkByClick(ZelSingleDPI *row, bool linked)
{
    QCheckBox *box = row->linkBox();
    if (box->isChecked() != linked)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(box->isChecked(), linked);
}

} // namespace

class DpiApplyTest : public QObject {
    Q_OBJECT
private:
    MouseEmulator &mouse() { return MouseEmulator::instance(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(MouseEmulator::environmentReady(), "run under umockdev-wrapper");
        m_dir = std::make_unique<WindowAppDir>();
        // A slot with a name has a file the applied settings are kept in.
        m_dir->setConfigValue(QStringLiteral("Config/Profile1"), QStringLiteral("Office"));
        mouse().resetState();
        mouse().plug(MouseEmulator::Receiver);
    }

    void cleanupTestCase()
    {
        mouse().unplug(MouseEmulator::Both);
        MouseEmulator::shutdown();
        m_dir.reset();
    }

    void editedStagesRateAndOptionsReachTheMouseAndStay()
    {
        QCOMPARE(readSensorModel(), 3389);
        auto window = std::make_unique<ZiziraziWidget>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->showPage(2);
        ZelDPIWindow *dpi = window->dpiPage();
        QCOMPARE(dpi->stageCount(), 6);
        ZelSingleDPI *first = dpi->row(0);
        QCOMPARE(first->minimumLabel()->text(), QStringLiteral("100"));
        QCOMPARE(first->maximumLabel()->text(), QStringLiteral("32000"));
        QVERIFY(first->linkBox()->isVisible());
        QCOMPARE(first->linkBox()->text(), QStringLiteral("Link X and Y"));

        // Stage 1: one click on the linked bar.
        setLinkByClick(first, true);
        QVERIFY(first->slider()->linkedSlider()->isVisible());
        QVERIFY(!first->slider()->xSlider()->isVisible());
        const QString labelBefore = first->dpiLabel()->text();
        const int linked = clickAt(first->slider()->linkedSlider(), 0.5);
        QVERIFY(linked > 0);
        QVERIFY(first->dpiLabel()->text() != labelBefore);

        // Stage 2: X and Y apart.
        ZelSingleDPI *second = dpi->row(1);
        setLinkByClick(second, false);
        QVERIFY(!second->linkBox()->isChecked());
        QVERIFY(second->slider()->xSlider()->isVisible());
        const int x = clickAt(second->slider()->xSlider(), 0.25);
        const int y = clickAt(second->slider()->ySlider(), 0.75);
        QVERIFY(x > 0 && y > x);

        // 500 Hz from the rate menu, motion sync on.
        ZelReportRate *rate = window->ratePage();
        QAction *fiveHundred = nullptr;
        for (QAction *action : rate->rateMenu()->actions()) {
            if (action->text() == QStringLiteral("500 Hz"))
                fiveHundred = action;
        }
        QVERIFY(fiveHundred);
        fiveHundred->trigger();
        QCOMPARE(rate->rateButton()->text(), QStringLiteral("500 Hz"));
        auto *syncOn = qobject_cast<QCheckBox *>(window->pointerPage()->control(ZelPointSpeed::SyncOn));
        QVERIFY(syncOn->isVisible());
        syncOn->click();

        mouse().clearPackets();
        qobject_cast<ZelPushButton *>(window->control(WindowControl::Apply))->click();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        const FirmwareState state = mouse().state();
        QCOMPARE(int(state.rateCode), 2);
        QCOMPARE(int(state.sync), 1);
        uint8_t expected[5];
        encodeDpiStage(3389, uint32_t(linked), uint32_t(linked), expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(state.dpiStages[0]), 5),
                 QByteArray(reinterpret_cast<const char *>(expected), 5));
        encodeDpiStage(3389, uint32_t(x), uint32_t(y), expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(state.dpiStages[1]), 5),
                 QByteArray(reinterpret_cast<const char *>(expected), 5));

        // A restart shows what was applied.
        window.reset();
        window = std::make_unique<ZiziraziWidget>();
        dpi = window->dpiPage();
        QCOMPARE(dpi->stages()[0].x, uint32_t(linked));
        QCOMPARE(dpi->stages()[1].x, uint32_t(x));
        QCOMPARE(dpi->stages()[1].y, uint32_t(y));
        QCOMPARE(int(dpi->stages()[1].link), 0);
        QVERIFY(!dpi->row(1)->linkBox()->isChecked());
        QCOMPARE(dpi->row(1)->slider()->ySlider()->value(), y);
        QCOMPARE(window->ratePage()->rateButton()->text(), QStringLiteral("500 Hz"));
        QCOMPARE(int(window->pointerPage()->sync()), 1);
    }

    void theMousesStageIsHighlighted()
    {
        auto window = std::make_unique<ZiziraziWidget>();
        window->show();
        const int before = window->dpiPage()->currentStage();
        mouse().setStatus(uint8_t(before), currentSettings.active().pollrate);
        mouse().pressDpiButton();
        const int after = mouse().state().activeStage;
        QVERIFY(after != before);
        QTRY_COMPARE_WITH_TIMEOUT(window->dpiPage()->currentStage(), after, kTimeoutMs);
        const QString accent = accentColor(readAccentIndex()).name();
        QVERIFY(window->dpiPage()->row(after)->dpiLabel()->styleSheet().contains(accent));
        QVERIFY(!window->dpiPage()->row(before)->dpiLabel()->styleSheet().contains(accent));
    }

    // Start-up makes only the page it opens on; one made later shows what happened meanwhile,
    // and Apply without it sends the profile as stored.
    void aPageMadeLaterShowsWhatHappenedMeanwhile()
    {
        auto window = std::make_unique<ZiziraziWidget>();
        // Made before the window is shown, another tab's page stays hidden with it.
        QVERIFY(window->macroPage());
        window->show();
        QVERIFY(!window->macroPage()->isVisible());
        QVERIFY(window->lightingPage()->isVisible());
        QVERIFY(!window->pageBuilt(WindowPage::Dpi));
        const int before = currentSettings.active().dpi;
        mouse().setStatus(uint8_t(before), currentSettings.active().pollrate);
        mouse().pressDpiButton();
        const int after = mouse().state().activeStage;
        QVERIFY(after != before);
        QTRY_COMPARE_WITH_TIMEOUT(int(currentSettings.active().dpi), after, kTimeoutMs);
        QVERIFY(!window->pageBuilt(WindowPage::Dpi));

        const DpiStage stored = currentSettings.active().dpiStages[0];
        mouse().clearPackets();
        qobject_cast<ZelPushButton *>(window->control(WindowControl::Apply))->click();
        uint8_t expected[5];
        encodeDpiStage(3389, stored.x, stored.y, expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(mouse().state().dpiStages[0]), 5),
                 QByteArray(reinterpret_cast<const char *>(expected), 5));

        window->showPage(int(WindowPage::Dpi));
        QVERIFY(window->pageBuilt(WindowPage::Dpi));
        QVERIFY(window->dpiPage()->isVisible());
        QCOMPARE(window->dpiPage()->currentStage(), after);
        const QString accent = accentColor(readAccentIndex()).name();
        QVERIFY(window->dpiPage()->row(after)->dpiLabel()->styleSheet().contains(accent));
    }

private:
    std::unique_ptr<WindowAppDir> m_dir;
};

QTEST_MAIN(DpiApplyTest)
#include "dpi_apply_test.moc"
