#pragma once
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVector>

// The skinned push button. State images: 0 normal, 1 mouse over, 2 pressed/checked,
// 3 disabled; a button with fewer images shows image 0 for the missing ones. Image paths are
// full paths (see skinPaths() in kit_style.h).
class ZelPushButton : public QPushButton {
    Q_OBJECT
public:
    enum ImageState { Normal = 0, Over = 1, Pressed = 2, Disabled = 3 };

    ZelPushButton(const QStringList &images, QWidget *parent = nullptr, const QString &text = QString());
    ZelPushButton(const QString &image, QWidget *parent = nullptr, const QString &text = QString());

    // Also sets the tool tip to the same text (or to the mark's note) and repaints.
    void setText(const QString &text);
    QString text() const { return m_text; }

    // 0: no prefix; 253: two blanks; any other value n: "  n" before the text.
    void setNumber(quint8 number);
    quint8 number() const { return m_number; }
    // What paint draws: prefix and text.
    QString displayText() const;

    // Design pixels at the right edge that the text keeps clear of (an arrow in the image).
    void setTextRightInset(int designPixels);

    // A left press toggles the checked state (the release does not toggle again).
    void setCheckableMode(bool on) { setCheckable(on); }

    // Replaces the images by a filled swatch of this colour (the colour buttons of the
    // lighting page); an invalid colour returns to the images.
    void setSwatchColor(const QColor &color);
    QColor swatchColor() const { return m_swatch; }

    // Draws the text and a line under it in the accent colour, with `note` as the tool tip, to
    // say that something waits on this button; an empty note takes the mark away.
    void setMark(const QString &note);
    bool isMarked() const { return !m_mark.isEmpty(); }

    void setImages(const QStringList &images);
    int imageCount() const { return m_images.size(); }
    // The state image shown now, after falling back for missing images.
    int currentImageIndex() const;

    QSize sizeHint() const override;

    // The font shrunk (down to three quarters) until the text fits the width, if it can.
    static QFont fittedFont(QFont font, const QString &text, int width);
    // Where paint puts the text, and whether all of it fits there (shrunk, not cut).
    QRect textArea() const;
    bool textFits() const;

signals:
    void EnterSignal(ZelPushButton *button);
    void OverSignal(ZelPushButton *button, bool over);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void press();
    void showImage(int state);
    QColor textColor() const;

    QVector<QPixmap> m_images;
    int m_state = Normal;
    QString m_text;
    quint8 m_number = 0;
    int m_rightInset = 0;
    QColor m_swatch;
    QString m_mark;
};
