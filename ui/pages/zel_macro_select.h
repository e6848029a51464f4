#pragma once
#include "ui/kit/dialog_skin.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

// Picks a saved macro (or gun file) for a button, with its loop mode and count.
class ZelMacroSelect : public ZelSkinDialog {
    Q_OBJECT
public:
    ZelMacroSelect(const QString &windowTitle, const QString &title, const QString &name, int loopCount, int loopMode,
                   QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint);

    QString macroName() const { return m_name; }
    int loopCount() const;
    // 0 "LOOPS TIME(1-255)", 1 "REPEAT RUN WHEN KEY DOWN", 2 "REPEAT RUN UNTILL THE KEY DOWN".
    int loopMode() const;

    QPushButton *macroButton() const { return m_macroButton; }
    QMenu *macroMenu() const { return m_menu; }
    QCheckBox *modeToggle(int mode) const { return m_modes[mode]; }
    QLineEdit *loopEdit() const { return m_loop; }
    QLabel *problemLabel() const { return m_problem; }
    QToolButton *yesButton() const { return m_yes; }
    QToolButton *noButton() const { return m_no; }

public slots:
    // Refuses a choice that names no macro or no loop count, and says why.
    void accept() override;

private:
    void selectName(const QString &name);

    QString m_name;
    QLabel *m_title = nullptr;
    QPushButton *m_macroButton = nullptr;
    QMenu *m_menu = nullptr;
    QButtonGroup *m_modeGroup = nullptr;
    QCheckBox *m_modes[3] = {};
    QLineEdit *m_loop = nullptr;
    QLabel *m_problem = nullptr;
    QToolButton *m_yes = nullptr;
    QToolButton *m_no = nullptr;
};
