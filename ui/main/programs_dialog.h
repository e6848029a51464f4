#pragma once
#include "ui/kit/dialog_skin.h"

class AppProfileSwitcher;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
struct AppRules;

// "Programs": the rules that give a program a library profile when it comes to the front.
// Pick one of the open windows or type a window class or program name, choose its profile,
// remove a rule, and choose the profile for every other program. Every change is stored at
// once and counts from then on.
class ProgramsDialog : public ZelSkinDialog {
    Q_OBJECT
public:
    ProgramsDialog(AppProfileSwitcher *switcher, const QStringList &library, QWidget *parent = nullptr);

    // For tests and the window's own checks.
    QComboBox *programBox() const { return m_program; }
    QComboBox *profileBox() const { return m_profile; }
    QComboBox *otherBox() const { return m_other; }
    QTreeWidget *ruleList() const { return m_list; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QString problemText() const;
    QString statusText() const;

public slots:
    void addRule();
    void removeRule();

private:
    void fillOpenPrograms();
    void showRules();
    void chooseOther(int index);
    bool store(const AppRules &rules);
    void setProblem(const QString &text);

    AppProfileSwitcher *m_switcher;
    QStringList m_library;
    QTreeWidget *m_list = nullptr;
    QComboBox *m_program = nullptr;
    QComboBox *m_profile = nullptr;
    QComboBox *m_other = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_problem = nullptr;
};
