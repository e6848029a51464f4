#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

#include "store/device_settings.h"
#include "store/lighting_effects.h"

class DefaultColorArea;
class QCheckBox;
class QMenu;
class ZelAction;
class ZelLabel;
class ZelPushButton;
class ZelSlider;

// The lighting of a profile: effect, colour, brightness, speed, sleep time and whether the
// light goes off while the mouse moves. Every control writes the profile at once; the page
// keeps no copy.
class ZelColorWindow : public QWidget {
    Q_OBJECT
public:
    ZelColorWindow(double scale, QWidget *parent);
    // The pictures the page shows (below the application folder): its background, then the
    // effect button's two.
    static QStringList skinImages();

    void setProfile(ProfileData *profile);
    // A lighting mode changed outside the page.
    void setEffect(int index);
    void retranslate();
    void setScale(double factor);

    const ProfileData *profile() const { return m_profile; }

    // The controls, for the main window's tests and the page's own.
    ZelPushButton *effectButton() const { return m_effectButton; }
    QMenu *effectMenu() const { return m_effectMenu; }
    ZelSlider *brightnessSlider() const { return m_bright; }
    ZelSlider *speedSlider() const { return m_speed; }
    ZelSlider *sleepSlider() const { return m_sleep; }
    ZelLabel *brightnessLabel() const { return m_brightLabel; }
    ZelLabel *speedLabel() const { return m_speedLabel; }
    ZelLabel *colorLabel() const { return m_colorLabel; }
    ZelLabel *sleepLabel() const { return m_sleepLabel; }
    ZelLabel *sleepValueLabel() const { return m_sleepValue; }
    DefaultColorArea *colorSwatch() const { return m_swatch; }
    QCheckBox *moveOffBox() const { return m_moveOff; }

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(const QColor &color);
    void slotApplyColor();
    void color_clicked();
    void checkbtn_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onSliderChanged(int value);
    void onEffectChosen();

private:
    void refresh();
    void setTexts();
    void rebuildEffectMenu();
    void chooseEffect(int index);
    void showEffectRows(int index);
    void layoutRows();
    // Shows a stored value without writing anything; returns it as the slider clamped it.
    static int showSliderValue(ZelSlider *slider, int stored);
    void showEffectValues();
    void showSleepValue(int minutes);
    void applySleepRange();
    void applyStyles();
    int pageSlot() const;

    ProfileData *m_profile = nullptr;
    double m_scale;
    int m_effect = 0;
    LightingEffectRows m_rows;
    QImage m_background; // a palette picture, drawn as it is

    ZelLabel *m_effectLabel;
    ZelPushButton *m_effectButton;
    QMenu *m_effectMenu;
    ZelAction *m_effectActions[kLedEffectCount] = {};
    ZelLabel *m_brightLabel;
    ZelSlider *m_bright;
    ZelLabel *m_speedLabel;
    ZelSlider *m_speed;
    ZelLabel *m_colorLabel;
    DefaultColorArea *m_swatch;
    ZelLabel *m_sleepLabel;
    ZelSlider *m_sleep;
    ZelLabel *m_sleepValue;
    QCheckBox *m_moveOff;
};
