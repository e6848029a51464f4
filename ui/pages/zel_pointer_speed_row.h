#pragma once
#include <QWidget>

#include "store/device_settings.h"

class QCheckBox;
class QLabel;
class ZelSlider;

// "Pointer speed" on the DPI tab, a small panel below the tabs: the profile's desktop pointer speed (1..20) and whether an
// apply sets the desktop's own pointer speed from it. The speed is written into the profile as
// the user moves it; the option is kept at once.
class ZelPointerSpeedRow : public QWidget {
    Q_OBJECT
public:
    explicit ZelPointerSpeedRow(QWidget *parent);

    void refresh(ProfileData *profile);
    void retranslate();
    void setScale(double factor);

    int speed() const;
    bool desktopOption() const;
    // What the row says about the desktop: its current speed, or why it cannot be set.
    QString desktopText() const;
    ZelSlider *slider() const { return m_slider; }
    QCheckBox *optionBox() const { return m_option; }

public slots:
    // Reads the desktop's current speed again (after an apply set it).
    void showDesktopSpeed();

private:
    void onSpeedChanged(int value);
    void onOptionToggled(bool on);
    void showText(const QString &text);
    bool eventFilter(QObject *watched, QEvent *event) override;

    ProfileData *m_profile = nullptr;
    QLabel *m_title;
    ZelSlider *m_slider;
    QLabel *m_value;
    QCheckBox *m_option;
    // The option's text, wrapped beside its box; a click on it toggles the box.
    QLabel *m_optionText;
    QLabel *m_desktop;
    QString m_desktopFull;
};
