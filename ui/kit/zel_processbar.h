#pragma once
#include <QProgressBar>

// A progress bar (the battery gauge) that draws its frame and chunk through the style (so
// style sheets apply) and its text itself in the configured font. A caption, when set, is
// drawn instead of the value text ("MOUSE OFF").
class ZelProcessbar : public QProgressBar {
    Q_OBJECT
public:
    explicit ZelProcessbar(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    // What screen readers call the gauge ("Battery"); its name carries the reading after it.
    void setLabel(const QString &label);
    QString caption() const { return m_caption; }
    // The text paint draws now: the caption, else the formatted value when text is visible.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refreshAccessibleName();

    QString m_caption;
    QString m_label;
};
