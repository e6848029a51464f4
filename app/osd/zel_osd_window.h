#pragma once
#include "platform/osd_message.h"

#include <QColor>
#include <QFont>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

// The on-screen display: a borderless notice near the bottom centre of the screen that never
// takes the focus or a click, shows a text for the time its message carries, then fades out.
// A newer message replaces the one shown.
class ZelOsdWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 400;

    explicit ZelOsdWindow(QWidget *parent = nullptr);

    void showMessage(const OsdMessage &message);

    QString text() const { return m_text; }
    // Whether every word of the text has room in the window.
    bool textFits() const;
    QColor textColour() const { return m_colour; }
    QFont textFont() const { return m_font; }
    int displayTimeMs() const { return m_hold.interval(); }
    bool isFading() const { return m_fade.state() == QAbstractAnimation::Running; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QString m_text;
    QString m_shown; // m_text, as painted
    int m_wrap = Qt::TextWordWrap;
    QColor m_colour;
    QFont m_font;
    double m_opacity = 1.0;
    QTimer m_hold;
    QVariantAnimation m_fade;
};
