// The DPI tab's three pages on their own: sensor ranges, the stage rows and their sliders, the
// report-rate menu and lift-off, the sensor options and their layouts by product.

#include "store/config_file.h"
#include "store/dpi_scale.h"
#include "store/language_config.h"
#include "store/sensor_ranges.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_push_button.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/zel_point_speed.h"
#include "ui/pages/zel_report_rate.h"
#include "ui/pages/zel_single_dpi.h"
#include "ui/pages/zel_two_bar_slider.h"
#include "../window/window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QTranslator>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

ProfileData sampleProfile()
{
    ProfileData p;
    p.dpi = 1;
    p.pollrate = 1;
    p.scrollspeed = 3;
    for (int i = 0; i < kDpiStageCount; ++i) {
        p.dpiStages[i].used = 1;
        p.dpiStages[i].link = 1;
        p.dpiStages[i].x = p.dpiStages[i].y = uint32_t(8 * (i + 1));
    }
    return p;
}

QAction *menuAction(ZelReportRate &page, const QString &text)
{
    for (QAction *action : page.rateMenu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class DpiPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_dir = std::make_unique<WindowAppDir>(); }
    void cleanupTestCase() { m_dir.reset(); }

    // Cases change the product and configuration files: each starts from the built ones.
    void init()
    {
        const QString product = m_dir->path() + QStringLiteral("/DefaultProfile.bin");
        QFile::remove(product);
        QVERIFY(QFile::copy(qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/DefaultProfile.bin"), product));
        QFile::remove(m_dir->configFile());
        QVERIFY(QFile::copy(qEnvironmentVariable("ZEL_SEED_CONFIGS") + QStringLiteral("/Config.ini"), m_dir->configFile()));
    }

    void sensorRangeTable_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("wide");
        QTest::addColumn<QVector<int>>("expected"); // min DPI, max DPI, min code, max code, link shown
        auto row = [](const char *name, int sensor, const char *product, int wide, QVector<int> expected) {
            QTest::newRow(name) << sensor << QString::fromLatin1(product) << wide << expected;
        };
        row("3325 wide", 3325, "X", 1, {100, 16000, 1, 90, 0});
        row("3325", 3325, "X", 0, {100, 5000, 1, 50, 0});
        row("3325 flag 2 is not wide", 3325, "X", 2, {100, 5000, 1, 50, 0});
        row("33252 wide", 33252, "X", 1, {100, 16000, 1, 90, 0});
        row("33252", 33252, "X", 0, {100, 10000, 1, 75, 0});
        row("3311", 3311, "X", 0, {100, 12000, 1, 120, 0});
        row("33112", 33112, "X", 0, {100, 24000, 1, 180, 0});
        row("3370", 3370, "X", 0, {50, 19000, 1, 290, 0});
        for (const char *listed : {"K352-RGB", "DASKREL", "6398", "SKALDREN3", "BRUMELT", "K460-RGB", "QUINTARO2",
                                   "VELQUORN2", "HASTREL"})
            row(qPrintable(QStringLiteral("3327 ") + listed), 3327, listed, 0, {200, 12400, 1, 92, 0});
        row("3327 case matters", 3327, "daskrel", 0, {200, 16400, 1, 106, 0});
        row("3327 other", 3327, "6390", 1, {200, 16400, 1, 106, 0});
        row("3360", 3360, "X", 0, {100, 24000, 1, 180, 1});
        row("3389", 3389, "X", 0, {100, 32000, 2, 480, 1});
        row("3212", 3212, "X", 0, {600, 7200, 16, 111, 0});
        row("3104", 3104, "X", 0, {500, 4200, 14, 105, 1});
        row("31042", 31042, "X", 0, {500, 8400, 14, 158, 1});
        row("3335", 3335, "X", 0, {100, 16000, 1, 160, 0});
        row("33352", 33352, "X", 0, {100, 32000, 1, 240, 0});
        row("3333", 3333, "X", 0, {200, 16000, 2, 120, 0});
        row("33952", 33952, "X", 0, {50, 52000, 0, 779, 0});
        row("3395", 3395, "X", 0, {50, 26000, 0, 519, 0});
        row("3399", 3399, "X", 0, {50, 40000, 0, 599, 1});
    }

    void sensorRangeTable()
    {
        QFETCH(int, sensor);
        QFETCH(QString, product);
        QFETCH(int, wide);
        QFETCH(QVector<int>, expected);
        SensorRange range;
        QVERIFY(sensorRange(sensor, product, wide, &range));
        const QVector<int> got{range.minimumDpi, range.maximumDpi, range.minimumCode, range.maximumCode,
                               range.separateXY ? 1 : 0};
        QCOMPARE(got, expected);

        // What a row shows for it, starting from a different sensor.
        SensorRange other;
        QVERIFY(sensorRange(sensor == 3212 ? 3389 : 3212, QString(), 0, &other));
        ZelSingleDPI row(0, nullptr);
        row.setSensor(3212, &other);
        row.setSensor(sensor, &range);
        QCOMPARE(row.minimumLabel()->text(), QString::number(expected[0]));
        QCOMPARE(row.maximumLabel()->text(), QString::number(expected[1]));
        QCOMPARE(row.slider()->linkedSlider()->minimum(), expected[2]);
        QCOMPARE(row.slider()->xSlider()->maximum(), expected[3]);
        QCOMPARE(row.slider()->ySlider()->minimum(), expected[2]);
        QCOMPARE(row.linkBox()->isVisibleTo(&row), expected[4] == 1);
    }

    void unknownSensorKeepsThePreviousRange()
    {
        SensorRange unused;
        QVERIFY(!sensorRange(9999, QStringLiteral("X"), 0, &unused));
        ProfileData profile = sampleProfile();
        ZelDPIWindow page(&profile, nullptr);
        page.refresh(profile, 3389);
        page.refresh(profile, 9999);
        ZelSingleDPI *row = page.row(0);
        QCOMPARE(row->maximumLabel()->text(), QStringLiteral("32000"));
        QCOMPARE(row->slider()->linkedSlider()->maximum(), 480);
        QVERIFY(row->linkBox()->isVisibleTo(row));
        // The DPI labels use the new model: no conversion for it, so 0.
        QCOMPARE(row->dpiLabel()->text(), QStringLiteral("DPI : 0"));
    }

    void linkedSliderSendsEqualValuesAndUnlinkedSendsEach()
    {
        writeCurrentProductName(QStringLiteral("X"));
        ProfileData profile = sampleProfile();
        ZelDPIWindow page(&profile, nullptr);
        page.refresh(profile, 3360);
        ZelSingleDPI *row = page.row(2);
        QSignalSpy sent(row, &ZelSingleDPI::DPISignal);
        QVERIFY(row->slider()->linkedSlider()->isVisibleTo(row));
        QVERIFY(!row->slider()->xSlider()->isVisibleTo(row));

        row->slider()->linkedSlider()->setValue(40);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.last(), (QVariantList{40, 40, QVariant::fromValue(uchar(2))}));
        QCOMPARE(page.stages()[2].x, 40u);
        QCOMPARE(page.stages()[2].y, 40u);
        QCOMPARE(row->dpiLabel()->text(), QStringLiteral("DPI : %1").arg(dpiFromCode(40, 3360)));

        row->linkBox()->click();
        QCOMPARE(page.stages()[2].link, uint8_t(0));
        QVERIFY(!row->slider()->linkedSlider()->isVisibleTo(row));
        QVERIFY(row->slider()->xSlider()->isVisibleTo(row));
        row->slider()->xSlider()->setValue(20);
        row->slider()->ySlider()->setValue(60);
        QCOMPARE(sent.last(), (QVariantList{20, 60, QVariant::fromValue(uchar(2))}));
        QCOMPARE(page.stages()[2].x, 20u);
        QCOMPARE(page.stages()[2].y, 60u);
        // The row names both values; each of the two full tracks shows its own, in a label
        // wide enough for the sensor's largest value at any scale.
        QCOMPARE(row->dpiLabel()->text(),
                 QStringLiteral("DPI : %1 \u00d7 %2").arg(dpiFromCode(20, 3360)).arg(dpiFromCode(60, 3360)));
        QCOMPARE(row->xValueLabel()->text(), QStringLiteral("X:%1").arg(dpiFromCode(20, 3360)));
        QCOMPARE(row->yValueLabel()->text(), QStringLiteral("Y:%1").arg(dpiFromCode(60, 3360)));
        for (double scale : {1.0, 1.5, 2.0}) {
            page.layoutForScale(scale);
            QSlider *x = row->slider()->xSlider();
            QSlider *y = row->slider()->ySlider();
            QVERIFY(x->height() >= row->slider()->linkedSlider()->height());
            QCOMPARE(x->width(), row->slider()->linkedSlider()->width());
            QVERIFY(!x->geometry().intersects(y->geometry()));
            QVERIFY(row->slider()->geometry().bottom() < row->height());
            const QFontMetrics metrics(configuredFont(currentLanguageIndex(), scale));
            QVERIFY(metrics.horizontalAdvance(QStringLiteral("Y:24000")) <= row->yValueLabel()->width());
            QVERIFY(metrics.horizontalAdvance(row->dpiLabel()->text()) <= row->dpiLabel()->width());
        }
        // Other stages are untouched.
        QCOMPARE(page.stages()[1].x, 16u);
    }

    void refreshingWithOutOfRangeCodesKeepsTheStoredCodes()
    {
        ProfileData profile = sampleProfile();
        profile.dpiStages[0].x = profile.dpiStages[0].y = 900;
        ZelDPIWindow page(&profile, nullptr);
        page.refresh(profile, 3389);
        QCOMPARE(page.row(0)->slider()->linkedSlider()->value(), 480);
        QCOMPARE(page.stages()[0].x, 900u);
    }

    void stageCountComesFromTheProduct_data()
    {
        QTest::addColumn<int>("dpiCount");
        QTest::addColumn<int>("rows");
        // ButtonCount and MouseDpi are left at 0, so DPICount alone gives the count.
        QTest::newRow("five") << 5 << 5;
        QTest::newRow("zero") << 0 << 8;
        QTest::newRow("nine") << 9 << 8;
    }

    void stageCountComesFromTheProduct()
    {
        QFETCH(int, dpiCount);
        QFETCH(int, rows);
        m_dir->setProductValue(QStringLiteral("PROFILE/ButtonCount"), 0);
        m_dir->setProductValue(QStringLiteral("PROFILE/MouseDpi"), 0);
        m_dir->setProductValue(QStringLiteral("PROFILE/DPICount"), dpiCount);
        ProfileData profile = sampleProfile();
        ZelDPIWindow page(&profile, nullptr);
        page.layoutForScale(1.5);
        QCOMPARE(page.stageCount(), rows);
        for (int i = 0; i < kDpiStageCount; ++i) {
            const QRect expected = i < rows ? QRect(22, int((43 + 50 * i) * 1.5), 660, 72) : QRect();
            QCOMPARE(page.row(i)->geometry(), expected);
            QCOMPARE(page.row(i)->isVisibleTo(&page), i < rows);
        }
    }

    void currentStageIsPaintedInTheAccentColour()
    {
        m_dir->setConfigValue(QStringLiteral("Config/GColorID"), 2);
        ProfileData profile = sampleProfile();
        ZelDPIWindow page(&profile, nullptr);
        page.refresh(profile, 3389);
        QVERIFY(page.row(1)->dpiLabel()->styleSheet().contains(QStringLiteral("#0000ff")));
        emit page.row(4)->dpiLabel()->EnterSignal(page.row(4)->dpiLabel());
        QCOMPARE(page.currentStage(), 4);
        QVERIFY(page.row(4)->dpiLabel()->styleSheet().contains(QStringLiteral("#0000ff")));
        QVERIFY(page.row(1)->dpiLabel()->styleSheet().contains(QStringLiteral("#ffffff")));
        page.selectStage(8);
        QCOMPARE(page.currentStage(), 4);
    }

    void everyStageMayBeDisabled()
    {
        ProfileData profile = sampleProfile();
        ZelDPIWindow page(&profile, nullptr);
        for (int i = 0; i < kDpiStageCount; ++i)
            page.row(i)->enableBox()->click();
        for (int i = 0; i < kDpiStageCount; ++i)
            QCOMPARE(page.stages()[i].used, uint8_t(0));
        QCOMPARE(page.row(0)->enableBox()->geometry(), QRect());
    }

    void rateMenuStoresCodesAndUnknownCodesKeepTheText()
    {
        ProfileData profile = sampleProfile();
        ZelReportRate page(&profile, nullptr);
        QCOMPARE(page.rateButton()->text(), QStringLiteral("1000 HZ"));
        const QVector<QPair<QString, int>> entries{
            {QStringLiteral("125 HZ"), 8}, {QStringLiteral("250 HZ"), 4}, {QStringLiteral("500 HZ"), 2}, {QStringLiteral("1000 HZ"), 1}};
        QCOMPARE(page.rateMenu()->actions().size(), entries.size());
        for (const auto &entry : entries) {
            QAction *action = menuAction(page, entry.first);
            QVERIFY2(action, qPrintable(entry.first));
            action->trigger();
            QCOMPARE(int(page.pollRate()), entry.second);
            QCOMPARE(page.rateButton()->text(), entry.first);
        }
        menuAction(page, QStringLiteral("500 HZ"))->trigger();
        profile.pollrate = 3;
        page.refresh(profile, 1);
        QCOMPARE(page.rateButton()->text(), QStringLiteral("500 HZ"));
        QCOMPARE(int(page.pollRate()), 3);
        profile.pollrate = 4;
        page.refresh(profile, 1);
        QCOMPARE(page.rateButton()->text(), QStringLiteral("250 HZ"));
    }

    void liftOffFallsBackToTwoMillimetres()
    {
        ProfileData profile = sampleProfile();
        ZelReportRate page(&profile, nullptr);
        QSignalSpy lift(&page, &ZelReportRate::RefreshLift);
        for (int value : {0, 5}) {
            page.refresh(profile, value);
            QCOMPARE(page.lift(), 2);
            QVERIFY(page.liftButton(1)->isChecked());
            QVERIFY(!page.liftButton(0)->isChecked());
        }
        page.refresh(profile, 1);
        QVERIFY(page.liftButton(0)->isChecked());
        page.liftButton(1)->click();
        QCOMPARE(lift.size(), 1);
        QCOMPARE(lift.last().first().toUInt(), 2u);
        QCOMPARE(page.lift(), 2);
    }

    void sensorOptionsAreStoredInvertedWhereTheyShouldBe()
    {
        m_dir->setProductValue(QStringLiteral("PROFILE/SyncMode"), 2);
        ProfileData profile = sampleProfile();
        ZelPointSpeed page(&profile, nullptr);
        page.refresh(&profile, 0, 7, 0, 3, 40);
        auto box = [&](ZelPointSpeed::Control c) { return static_cast<QCheckBox *>(page.control(c)); };
        QVERIFY(box(ZelPointSpeed::AngleOn)->isChecked());
        QVERIFY(!box(ZelPointSpeed::AngleOff)->isChecked());
        QVERIFY(box(ZelPointSpeed::JitterOff)->isChecked());
        QVERIFY(box(ZelPointSpeed::SyncOff)->isChecked());
        // A lift value other than 1 shows 2mm.
        QVERIFY(box(ZelPointSpeed::Lift2mm)->isChecked());

        box(ZelPointSpeed::AngleOff)->click();
        QCOMPARE(int(page.angleValue()), 1);
        QVERIFY(!box(ZelPointSpeed::AngleOn)->isChecked());
        box(ZelPointSpeed::JitterOn)->click();
        QCOMPARE(int(page.jitter()), 0);
        box(ZelPointSpeed::SyncOn)->click();
        QCOMPARE(int(page.sync()), 1);
        box(ZelPointSpeed::Lift1mm)->click();
        QCOMPARE(int(page.liftHigh()), 1);
        // A click on the checked box of a pair keeps it checked.
        box(ZelPointSpeed::Lift1mm)->click();
        QVERIFY(box(ZelPointSpeed::Lift1mm)->isChecked());
        QVERIFY(!box(ZelPointSpeed::Lift2mm)->isChecked());
        QCOMPARE(int(page.liftHigh()), 1);

        auto *slider = static_cast<QSlider *>(page.control(ZelPointSpeed::KeyResponseSlider));
        QCOMPARE(slider->value(), 40);
        slider->setValue(300);
        QCOMPARE(int(page.debounce()), 255);
        QCOMPARE(static_cast<QLabel *>(page.control(ZelPointSpeed::KeyResponseValue))->text(), QStringLiteral("255"));
        slider->setValue(0);
        QCOMPARE(int(page.debounce()), 1);

        auto *spin = static_cast<QSpinBox *>(page.control(ZelPointSpeed::ScrollSpin));
        QCOMPARE(spin->value(), 3);
        spin->setValue(25);
        QCOMPARE(int(profile.scrollspeed), 20);
        spin->setValue(0);
        QCOMPARE(int(profile.scrollspeed), 1);
    }

    void optionLayoutFollowsTheProduct_data()
    {
        QTest::addColumn<int>("syncMode");
        QTest::addColumn<int>("showButton");
        QTest::addColumn<QVector<int>>("shown"); // the controls given a size
        using P = ZelPointSpeed;
        QTest::newRow("0") << 0 << 1 << QVector<int>{P::MouseSettingButton};
        QTest::newRow("1") << 1 << 1 << QVector<int>{P::MouseSettingButton, P::SyncLabel, P::SyncOn, P::SyncOff};
        QTest::newRow("1 without button") << 1 << 0 << QVector<int>{P::SyncLabel, P::SyncOn, P::SyncOff};
        QVector<int> all;
        for (int c = 0; c < P::ControlCount; ++c) {
            if (c != P::ScrollLabel && c != P::ScrollSpin)
                all << c;
        }
        QTest::newRow("2") << 2 << 1 << all;
        QTest::newRow("3") << 3 << 1
                           << QVector<int>{P::KeyResponseLabel, P::KeyResponseValue, P::KeyResponseSlider, P::MouseSettingButton};
        QTest::newRow("other") << 7 << 1
                               << QVector<int>{P::KeyResponseLabel, P::KeyResponseValue, P::KeyResponseSlider,
                                               P::ScrollLabel, P::ScrollSpin};
    }

    void optionLayoutFollowsTheProduct()
    {
        QFETCH(int, syncMode);
        QFETCH(int, showButton);
        QFETCH(QVector<int>, shown);
        m_dir->setProductValue(QStringLiteral("PROFILE/SyncMode"), syncMode);
        m_dir->setProductValue(QStringLiteral("PROFILE/showMouseButton"), showButton);
        ProfileData profile = sampleProfile();
        ZelPointSpeed page(&profile, nullptr);
        page.setScale(2.0);
        for (int c = 0; c < ZelPointSpeed::ControlCount; ++c) {
            const QRect g = page.control(ZelPointSpeed::Control(c))->geometry();
            QVERIFY2(g.isEmpty() != shown.contains(c), qPrintable(QStringLiteral("control %1").arg(c)));
        }
        if (syncMode == 2) {
            QCOMPARE(page.control(ZelPointSpeed::JitterOff)->geometry(), QRect(242, 436, 200, 40));
            QCOMPARE(page.control(ZelPointSpeed::KeyResponseSlider)->geometry(), QRect(40, 60, 400, 48));
        }
        // No two shown controls overlap, so each can be clicked.
        for (int a : shown) {
            for (int b : shown) {
                if (a < b) {
                    QVERIFY2(!page.control(ZelPointSpeed::Control(a))->geometry().intersects(
                                 page.control(ZelPointSpeed::Control(b))->geometry()),
                             qPrintable(QStringLiteral("controls %1 and %2 overlap").arg(a).arg(b)));
                }
            }
        }
    }

    // The sample product shows every sensor option; each row's text fits its place and the
    // page, in every language and at every scale.
    void everySensorRowFitsItsPage()
    {
        QCOMPARE(QSettings(qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat)
                     .value(QStringLiteral("PROFILE/SyncMode")).toInt(),
                 2);
        for (const char *language : {"zelmouse_en", "zelmouse_fr", "zelmouse_de"}) {
            QTranslator translator;
            QVERIFY(translator.load(QString::fromLatin1(language), m_dir->path() + QStringLiteral("/lang")));
            QCoreApplication::installTranslator(&translator);
            ProfileData profile = sampleProfile();
            ZelPointSpeed page(&profile, nullptr);
            for (double scale : {1.0, 1.5, 2.0}) {
                page.setScale(scale);
                page.resize(scaled(229, scale), scaled(366, scale));
                for (int c = 0; c < ZelPointSpeed::ControlCount; ++c) {
                    QWidget *control = page.control(ZelPointSpeed::Control(c));
                    if (c == ZelPointSpeed::ScrollLabel || c == ZelPointSpeed::ScrollSpin)
                        continue;
                    const QString where = QStringLiteral("%1, control %2, scale %3").arg(QLatin1String(language)).arg(c).arg(scale);
                    QVERIFY2(!control->geometry().isEmpty() && page.rect().contains(control->geometry()), qPrintable(where));
                    QString text;
                    int room = control->width();
                    if (auto *label = qobject_cast<QLabel *>(control)) {
                        text = label->text();
                    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
                        text = box->text();
                        room -= scaled(16, scale) + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
                    }
                    const QFontMetrics metrics(configuredFont(currentLanguageIndex(), scale));
                    QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(where + QStringLiteral(": ") + text));
                }
            }
            QCoreApplication::removeTranslator(&translator);
        }
    }

private:
    std::unique_ptr<WindowAppDir> m_dir;
};

QTEST_MAIN(DpiPagesTest)
#include "dpi_pages_test.moc"
