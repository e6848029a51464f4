#pragma once
#include "store/macro_events.h"

#include <QDialog>
#include <QListWidgetItem>
#include <QPixmap>
#include <QVector>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;

// One generated event in the gun set's list: its three bytes, icon and words.
class ZelListItem : public QListWidgetItem {
public:
    ZelListItem(const MacroEvent &event, const QString &text, const QIcon &icon, QListWidget *list);
    MacroEvent event() const { return m_event; }

private:
    MacroEvent m_event;
};

// The gun set: a name, 1..5 bullets and per bullet a delay and a recoil offset. Accepting
// fills the event list; the macro editor turns it into a gun file.
class ZelGunsetDialog : public QDialog {
    Q_OBJECT
public:
    ZelGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint);

    // Results, after exec() returned accepted.
    QString fileName() const { return m_fileName; }
    QVector<MacroEvent> events() const;

    int bulletCount() const { return m_bullets; }
    void setBulletCount(int count);
    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *delaySpin(int bullet) const { return m_delay[bullet]; }
    QSpinBox *ySpin(int bullet) const { return m_y[bullet]; }
    QSpinBox *xSpin(int bullet) const { return m_x[bullet]; }
    QListWidget *eventList() const { return m_list; }
    QPushButton *bulletButton() const { return m_bulletButton; }
    QToolButton *yesButton() const { return m_yes; }
    QToolButton *noButton() const { return m_no; }

public slots:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fillEventList();
    QString eventText(const MacroEvent &event, int indexInBullet) const;

    double m_scale;
    int m_bullets = kGunMaxBullets;
    QString m_fileName;
    QPixmap m_background;
    QPixmap m_bulletImage;
    QPixmap m_track;
    QLineEdit *m_name = nullptr;
    QPushButton *m_bulletButton = nullptr;
    QMenu *m_bulletMenu = nullptr;
    QLabel *m_rowLabels[kGunMaxBullets] = {};
    QSpinBox *m_delay[kGunMaxBullets] = {};
    QSpinBox *m_y[kGunMaxBullets] = {};
    QSpinBox *m_x[kGunMaxBullets] = {};
    QListWidget *m_list = nullptr;
    QToolButton *m_yes = nullptr;
    QToolButton *m_no = nullptr;
};
