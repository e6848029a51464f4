#pragma once
#include <QColor>
#include <QWidget>

class QCheckBox;
class ZelLabel;
class ZelTwoBarSlider;

// One DPI stage on the DPI page: its slider in sensor codes, the DPI labels, the range labels
// and the link and enable boxes.
class ZelSingleDPI : public QWidget {
    Q_OBJECT
public:
    ZelSingleDPI(int index, QWidget *parent);

    // Sensor model and its range; a range of nullptr (a sensor not in the table) keeps the
    // previous range in place.
    void setSensor(int sensorModel, const struct SensorRange *range);
    void setValues(int x, int y);
    void setLink(int link);
    void setUsed(int used);
    void setTextColor(const QColor &color);
    void layoutForScale(double factor);
    void retranslate();

    int index() const { return m_index; }
    int x() const { return m_x; }
    int y() const { return m_y; }
    ZelTwoBarSlider *slider() const { return m_slider; }
    QCheckBox *linkBox() const { return m_linkBox; }
    QCheckBox *enableBox() const { return m_enableBox; }
    ZelLabel *dpiLabel() const { return m_dpiLabel; }
    ZelLabel *minimumLabel() const { return m_minLabel; }
    ZelLabel *maximumLabel() const { return m_maxLabel; }
    ZelLabel *xValueLabel() const { return m_xLabel; }
    ZelLabel *yValueLabel() const { return m_yLabel; }

signals:
    void DPISignal(int x, int y, uchar index);
    void LinkSignal(uchar link, uchar index);
    void EnableSignal(uchar used, uchar index);
    void MouseinSignal(uchar index);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void slotLabelClick(ZelLabel *label);

private:
    void showValues();
    void placeLinkBox();
    // The label, bars and value labels for the link state and scale.
    void placeParts();

    int m_index;
    int m_sensorModel = 3325;
    int m_x = 0;
    int m_y = 0;
    uint8_t m_link = 1;
    uint8_t m_used = 1;
    bool m_linkShown = false;
    double m_scale = 1.0;
    QColor m_textColor = Qt::white;
    QCheckBox *m_linkBox;
    QCheckBox *m_enableBox;
    ZelTwoBarSlider *m_slider;
    ZelLabel *m_xLabel;
    ZelLabel *m_yLabel;
    ZelLabel *m_dpiLabel;
    ZelLabel *m_minLabel;
    ZelLabel *m_maxLabel;
};
