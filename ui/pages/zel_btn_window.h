#pragma once
#include <QHash>
#include <QVector>
#include <QWidget>

#include "store/device_settings.h"
#include "store/function_catalogue.h"

class QAction;
class QMenu;
class ZelAction;
class ZelPushButton;

// The button customisation page: what each mouse button does. Shown inside a scroll area on
// the CUSTOMIZE tab. Groups: 0 front view (slots 0..19), 1 side view (slots 20..39), 2 wheel
// (slot 40 up, 41 down). Pressing a button opens the function menu; the entry taken is written
// into the edited profile at once, some after a dialog.
class ZelBtnWindow : public QWidget {
    Q_OBJECT
public:
    enum Group { FrontGroup = 0, SideGroup = 1, WheelGroup = 2, NoGroup = 255 };
    static constexpr int kNoIndex = 255;
    static constexpr int kFrontButtons = 20;
    static constexpr int kSideButtons = 20;
    static constexpr int kWheelButtons = 2;

    ZelBtnWindow(ProfileData *profile, QWidget *parent);

    void setProfile(ProfileData *profile);
    // Make `index` of `group` the current button and show that group's view.
    void selectButton(int index, int group);
    // Group 255 keeps the current group.
    void showGroup(int index, int group);
    void clearSelection();
    void refreshLabels();
    // Rebuilds both menus with fresh actions and translated texts; re-reads the menu font.
    void retranslate();
    void setScale(double factor);
    void layoutButtons();
    // Slot number (0..41) of a page button, -1 when it is not one of them.
    int indexOfButton(const ZelPushButton *button) const;
    ZelPushButton *buttonForSlot(int slot) const;

    int currentIndex() const { return m_currentIndex; }
    int currentGroup() const { return m_currentGroup; }
    const ProfileData *profile() const { return m_profile; }
    QMenu *mainMenu() const { return m_mainMenu; }
    QMenu *wheelMenu() const { return m_wheelMenu; }
    // The current action of a function code (200 and 510: the manager entries).
    QAction *actionFor(int code) const;
    // Takes a menu entry for the current button, as a click on it does.
    void takeEntry(int code);

signals:
    void SelBtnControl(ZelPushButton *button, bool on);
    void GotoMacroTab(quint8 page);
    void PopOneClickBox();

public slots:
    void slotMouseOver(ZelPushButton *button, bool over);
    void slotMouseEnter(ZelPushButton *button);
    void OnMouseEnterSlot(ZelPushButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onActionTriggered();
    void handleEntry(int code);
    // Slot number of the current group and index, -1 when nothing is current.
    int currentSlot() const;
    // Each returns whether the slot changed.
    bool editSingleKey(ButtonSlot &slot);
    bool editComboKey(ButtonSlot &slot);
    bool editFireKey(ButtonSlot &slot);
    bool editSniper(ButtonSlot &slot);
    bool editMacro(ButtonSlot &slot, int slotIndex, int code);
    QString labelFor(int slot) const;
    // The assignment's own words (key, keys, fire key, sniper DPI, macro); empty for a
    // function without data.
    QString assignmentDetail(const ButtonSlot &button, FunctionData data) const;
    static QString modifierName(int usage, const QString &keyName);
    void buildMenus();
    void applyMenuLook();

    ProfileData *m_profile;
    int m_currentIndex = kNoIndex;
    int m_currentGroup = FrontGroup;
    double m_scale = 1.0;
    QVector<ZelPushButton *> m_buttons; // by slot, 42
    QHash<int, ZelAction *> m_actions;   // by code
    QMenu *m_mainMenu = nullptr;
    QMenu *m_wheelMenu = nullptr;
    QVector<QMenu *> m_subMenus;
};
