#pragma once
#include <QColor>
#include <QDialog>
#include <QPoint>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SVColorArea;

// The colour dialog: hue strip, saturation/value square, preview, H/S/V and R/G/B fields, a
// hexadecimal field and seven presets. Set the colour, exec(), and read it back after an accept.
class ZelColorArea : public QDialog {
    Q_OBJECT
public:
    ZelColorArea(QWidget *parent, double scale);

    void setColor(const QColor &color);
    QColor color() const { return m_color; }

    // For the page's layout and for tests.
    HColorArea *hueStrip() const { return m_strip; }
    SVColorArea *svSquare() const { return m_square; }
    PreviewColorArea *preview() const { return m_preview; }
    QSpinBox *field(int index) const { return m_fields[index]; } // H, S, V, R, G, B
    QLineEdit *hexField() const { return m_hex; }
    DefaultColorArea *preset(int index) const { return m_presets[index]; }
    QToolButton *okButton() const { return m_ok; }
    QToolButton *cancelButton() const { return m_cancel; }

    static constexpr int kPresetCount = 7;

signals:
    void ZelChangeColor(const QColor &color);
    void ApplyColor();

public slots:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void color_clicked();
    void hValueChangedSlot(int value);
    void sValueChangedSlot(int value);
    void vValueChangedSlot(int value);
    void rValueChangedSlot(int value);
    void gValueChangedSlot(int value);
    void bValueChangedSlot(int value);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString &text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    enum Field { H, S, V, R, G, B, FieldCount };

    void buildFields();
    void hsvEdited();
    void rgbEdited();
    // m_h, m_s, m_v from m_color; a grey keeps the hue it had.
    void takeHsvFromColor();
    // Shows m_color everywhere, by the flags; the caller holds the re-entrancy guard.
    void showHsvFields();
    void showRgbFields();
    void showAreas();
    void showHexText();

    double m_scale;
    QColor m_color = QColor(0, 0, 0);
    int m_h = 0;
    int m_s = 0;
    int m_v = 0;
    // Set while one field's handler updates the others, so that they do not answer back.
    bool m_updating = false;

    HColorArea *m_strip;
    SVColorArea *m_square;
    PreviewColorArea *m_preview;
    QSpinBox *m_fields[FieldCount] = {};
    QLineEdit *m_hex;
    DefaultColorArea *m_presets[kPresetCount] = {};
    QLabel *m_heading;
    QToolButton *m_ok;
    QToolButton *m_cancel;
    QPoint m_dragOffset;
};
