// The lighting page on its own: which rows each effect shows, where the sliders write, the
// light-off box, the colour dialog's accept and cancel, the sleep options of the product file,
// translation and scale.

#include "../window/window_fixture.h"
#include "store/device_settings.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"
#include "ui/pages/default_color_area.h"
#include "ui/pages/zel_color_area.h"
#include "ui/pages/zel_color_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text it translates, so that a test sees which texts went through it.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *source, const char * = nullptr, int = -1) const override
    {
        return QStringLiteral("<") + QString::fromUtf8(source) + QStringLiteral(">");
    }
    bool isEmpty() const override { return false; }
};

QAction *menuAction(ZelColorWindow &page, const QString &text)
{
    for (QAction *action : page.effectMenu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class LightingPageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void writeProduct(int showSleep, int sleepMin, int sleepMax)
    {
        QSettings product(m_dir.path() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat);
        product.setValue(QStringLiteral("PROFILE/ShowSleep"), showSleep);
        product.setValue(QStringLiteral("PROFILE/SleepMin"), sleepMin);
        product.setValue(QStringLiteral("PROFILE/SleepMax"), sleepMax);
    }

    static void fillProfile(ProfileData &profile, int mode)
    {
        profile.LedMode = uint8_t(mode);
        profile.LedSleepTime = 4;
        profile.LedMoveOFF = 0;
        for (int i = 0; i < kLedEffectCount; ++i) {
            profile.ledModes[i].RGB = QColor(10 * i, 20, 30);
            profile.ledModes[i].bright = 2;
            profile.ledModes[i].breath = 4;
        }
    }

private slots:
    void initTestCase()
    {
        setApplicationDirectoryOverride(m_dir.path());
        writeProduct(1, 1, 9);
    }

    void init()
    {
        currentSettings = DeviceSettings();
        for (ProfileData &profile : currentSettings.profiles)
            fillProfile(profile, 1);
    }

    void cleanupTestCase() { setApplicationDirectoryOverride(QString()); }

    void eachEffectShowsItsRows()
    {
        // Rows per effect: Brightness, Speed, "COLOR" label, sWatch; '.' hidden.
        const char *const expected[kLedMenuEffectCount] = {
            "....", "B..W", "BS..", ".SCW", ".S..", "BS..", "BS..", "BS..", "BS..", "BS..", "BSCW", "BS..",
        };
        const char *const texts[kLedMenuEffectCount] = {
            "OFF", "FULL LIGHTED", "7 COLOR", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE",
            "Single WAVE", "yo-yo", "7 COLOR with tail", "REACTIVE", "Tri-color running",
        };
        ZelColorWindow page(1.0, nullptr);
        page.setProfile(&currentSettings.profiles[0]);
        page.show();

        for (int effect = 0; effect < kLedMenuEffectCount; ++effect) {
            QAction *action = menuAction(page, QString::fromLatin1(texts[effect]));
            QVERIFY2(action, texts[effect]);
            action->trigger();
            QCOMPARE(int(currentSettings.profiles[0].LedMode), effect);
            QCOMPARE(page.effectButton()->text(), QString::fromLatin1(texts[effect]));
            const QString shown = QString(page.brightnessSlider()->isVisible() ? QLatin1Char('B') : QLatin1Char('.'))
                + (page.speedSlider()->isVisible() ? QLatin1Char('S') : QLatin1Char('.'))
                + (page.colorLabel()->isVisible() ? QLatin1Char('C') : QLatin1Char('.'))
                + (page.colorSwatch()->isVisible() ? QLatin1Char('W') : QLatin1Char('.'));
            QCOMPARE(shown, QString::fromLatin1(expected[effect]));
            QCOMPARE(page.brightnessLabel()->isVisible(), page.brightnessSlider()->isVisible());
            QCOMPARE(page.speedLabel()->isVisible(), page.speedSlider()->isVisible());

            // BREATHING puts speed in the first row and brightness in the second.
            const bool swapped = effect == 3;
            QCOMPARE(page.speedLabel()->y(), swapped ? 78 : 137);
            QCOMPARE(page.speedSlider()->geometry(), QRect(30, swapped ? 97 : 156, 228, 25));
            QCOMPARE(page.brightnessLabel()->geometry(), QRect(30, swapped ? 137 : 78, 201, 18));
            QCOMPARE(page.brightnessSlider()->y(), swapped ? 156 : 97);
        }

        // Effects the menu does not offer change the effect but leave the rows alone.
        menuAction(page, QStringLiteral("BREATHING"))->trigger();
        page.setEffect(12);
        QCOMPARE(int(currentSettings.profiles[0].LedMode), 12);
        QVERIFY(!page.brightnessSlider()->isVisible() && page.colorSwatch()->isVisible());
        QCOMPARE(page.speedSlider()->y(), 97);
        page.setEffect(14);
        QCOMPARE(int(currentSettings.profiles[0].LedMode), 12);
    }

    void menuOffersElevenEffectsThenOff()
    {
        ZelColorWindow page(1.0, nullptr);
        page.setProfile(&currentSettings.profiles[0]);
        page.retranslate(); // rebuilds the menu once more
        const QList<QAction *> listed = page.effectMenu()->actions();
        QCOMPARE(listed.size(), 12);
        QCOMPARE(listed.first()->text(), QStringLiteral("FULL LIGHTED"));
        QCOMPARE(listed.at(10)->text(), QStringLiteral("Tri-color running"));
        QCOMPARE(listed.last()->text(), QStringLiteral("OFF"));
        // Fourteen actions exist, twelve of them listed; rebuilding leaves no stale ones.
        QCOMPARE(page.findChildren<ZelAction *>().size(), 14);
    }

    void slidersWriteSlotZeroAndStoredValuesAreClamped()
    {
        ProfileData &slot0 = currentSettings.profiles[0];
        slot0.LedMode = 5;
        slot0.ledModes[5].bright = 7;
        slot0.ledModes[5].breath = 0;
        slot0.LedSleepTime = 200;
        ZelColorWindow page(1.0, nullptr);
        page.setProfile(&slot0);
        QCOMPARE(page.brightnessSlider()->value(), 3);
        QCOMPARE(slot0.ledModes[5].bright, 3);
        QCOMPARE(slot0.ledModes[5].breath, 1);
        QCOMPARE(int(slot0.LedSleepTime), 9);
        QCOMPARE(page.sleepValueLabel()->text(), QStringLiteral("9 MINUTE"));

        page.brightnessSlider()->setValue(2);
        page.speedSlider()->setValue(5);
        page.sleepSlider()->setValue(3);
        QCOMPARE(slot0.ledModes[5].bright, 2);
        QCOMPARE(slot0.ledModes[5].breath, 5);
        QCOMPARE(int(slot0.LedSleepTime), 3);
        QCOMPARE(page.sleepValueLabel()->text(), QStringLiteral("3 MINUTE"));
        QCOMPARE(slot0.ledModes[4].bright, 2); // other effects untouched

        // Showing another slot writes nothing anywhere; its sliders then still write slot 0,
        // the slot the mouse is written from.
        ProfileData &slot2 = currentSettings.profiles[2];
        fillProfile(slot2, 10);
        slot2.ledModes[10].bright = 1;
        const ProfileData before = slot0;
        page.setProfile(&slot2);
        QCOMPARE(page.brightnessSlider()->value(), 1);
        QCOMPARE(slot0.ledModes[5].bright, before.ledModes[5].bright);
        QCOMPARE(slot0.ledModes[10].bright, before.ledModes[10].bright);
        QCOMPARE(int(slot0.LedSleepTime), 3);
        page.speedSlider()->setValue(2);
        QCOMPARE(slot0.ledModes[5].breath, 2);
        QCOMPARE(slot2.ledModes[10].breath, 4);
    }

    void moveToLightOffBoxStoresZeroOr255()
    {
        ProfileData &profile = currentSettings.profiles[0];
        profile.LedMoveOFF = 255; // as read from a file without the key
        ZelColorWindow page(1.0, nullptr);
        page.setProfile(&profile);
        QCOMPARE(page.moveOffBox()->text(), QStringLiteral("MOVE TO LIGHT OFF"));
        QVERIFY(!page.moveOffBox()->isChecked());
        page.moveOffBox()->click();
        QCOMPARE(int(profile.LedMoveOFF), 0);
        page.moveOffBox()->click();
        QCOMPARE(int(profile.LedMoveOFF), 255);
        profile.LedMoveOFF = 0;
        page.setProfile(&profile);
        QVERIFY(page.moveOffBox()->isChecked());
    }

    void colourDialogStoresOnAcceptOnly()
    {
        ProfileData &profile = currentSettings.profiles[1];
        profile.LedMode = 3;
        profile.ledModes[3].RGB = QColor(10, 20, 30);
        QWidget window;
        window.resize(999, 640);
        auto *page = new ZelColorWindow(1.0, &window);
        page->setProfile(&profile);
        window.show();

        QColor offered;
        handleNextModal<ZelColorArea>([&](ZelColorArea *dialog) {
            offered = dialog->color();
            QTest::mouseClick(dialog->preset(6), Qt::LeftButton);
            dialog->cancelButton()->click();
        });
        QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
        QCOMPARE(offered, QColor(10, 20, 30));
        QCOMPARE(profile.ledModes[3].RGB, QColor(10, 20, 30));
        QCOMPARE(page->colorSwatch()->color(), QColor(10, 20, 30));

        handleNextModal<ZelColorArea>([&](ZelColorArea *dialog) {
            dialog->hexField()->setText(QStringLiteral("3a7bd5"));
            emit dialog->hexField()->editingFinished();
            dialog->okButton()->click();
        });
        QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
        QCOMPARE(profile.ledModes[3].RGB, QColor(0x3a, 0x7b, 0xd5));
        QCOMPARE(page->colorSwatch()->color(), QColor(0x3a, 0x7b, 0xd5));
        QCOMPARE(profile.ledModes[10].RGB, QColor(100, 20, 30)); // only the current effect
    }

    void sleepTimeFollowsTheProductFile()
    {
        writeProduct(1, 2, 30);
        {
            ZelColorWindow page(1.0, nullptr);
            page.setProfile(&currentSettings.profiles[0]);
            QCOMPARE(page.sleepSlider()->minimum(), 2);
            QCOMPARE(page.sleepSlider()->maximum(), 30);
            QCOMPARE(page.sleepSlider()->geometry(), QRect(30, 277, 228, 25));
            QCOMPARE(page.moveOffBox()->y(), 322);
        }
        writeProduct(0, 1, 9);
        ZelColorWindow page(1.0, nullptr);
        page.setProfile(&currentSettings.profiles[0]);
        for (QWidget *sleep : {static_cast<QWidget *>(page.sleepLabel()), static_cast<QWidget *>(page.sleepSlider()),
                               static_cast<QWidget *>(page.sleepValueLabel())})
            QCOMPARE(sleep->size(), QSize(0, 0));
        // The box takes the sleep row's place rather than leaving a gap.
        QCOMPARE(page.moveOffBox()->y(), 258);
        writeProduct(1, 1, 9);
    }

    void textsGoThroughTheTranslator()
    {
        ZelColorWindow page(1.0, nullptr);
        currentSettings.profiles[0].LedMode = 10;
        page.setProfile(&currentSettings.profiles[0]);
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        page.retranslate();
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(page.brightnessLabel()->text(), QStringLiteral("<BRIGHTNESS>"));
        QCOMPARE(page.speedLabel()->text(), QStringLiteral("<SPEED>"));
        QCOMPARE(page.colorLabel()->text(), QStringLiteral("<COLOR>"));
        QCOMPARE(page.sleepLabel()->text(), QStringLiteral("<SLEEP TIME>"));
        QCOMPARE(page.sleepValueLabel()->text(), QStringLiteral("4< MINUTE>"));
        QCOMPARE(page.moveOffBox()->text(), QStringLiteral("<MOVE TO LIGHT OFF>"));
        QCOMPARE(page.effectButton()->text(), QStringLiteral("<REACTIVE>"));
        QCOMPARE(page.effectMenu()->actions().last()->text(), QStringLiteral("<OFF>"));
    }
};

QTEST_MAIN(LightingPageTest)
#include "lighting_page_test.moc"
