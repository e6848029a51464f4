#pragma once
#include "store/macro_files.h"
#include "ui/pages/macro_page_layout.h"
#include "ui/pages/macro_recorder.h"

#include <QElapsedTimer>
#include <QModelIndex>
#include <QVector>
#include <QWidget>

#include <functional>

class KeyboardGrab;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStandardItemModel;
class QTableView;
class QTreeWidgetItem;
class ZelMacroItemDelegate;
class ZelPushButton;
class ZelTreeWidget;

// The macro editor on the MACRO tab: the macro list, recording from the keyboard, the event
// table with its editing, the mouse actions, loop options, import, export and gun files.
class MacroDialog : public QWidget {
    Q_OBJECT
public:
    explicit MacroDialog(QWidget *parent);
    ~MacroDialog() override;

    void retranslate();
    void setScale(double factor);

    // The page's parts, for the window and for checks.
    QWidget *control(MacroControl which) const { return m_controls[int(which)]; }
    QStandardItemModel *eventModel() const { return m_model; }
    QTableView *eventView() const { return m_table; }
    QListWidget *macroList() const { return m_list; }
    ZelTreeWidget *actionTree() const { return m_tree; }
    ZelMacroItemDelegate *delegate() const { return m_delegate; }
    QString currentMacroName() const { return m_current; }
    bool isRecording() const { return m_recorder.isRecording(); }
    bool isEditingKey() const { return m_editingKey; }
    int delayMode() const;
    int loopType() const;
    int minDelay() const { return m_minDelay; }
    int selectedRow() const;
    const QVector<MacroEvent> &clipboard() const { return m_clipboard; }

    // What the buttons do; the file choices are made by the callers of the *Files variants.
    void startRecording(bool after);
    void stopRecording();
    void newMacro();
    void deleteCurrentMacro();
    void changeName();
    void saveMacro();
    void cancelEdits();
    void loadMacro(const QString &name);
    void importFiles(const QStringList &files);
    void exportCurrentTo(const QString &file);
    void exportCheckedTo(const QString &folder);
    void setBatch(bool on);
    // Builds the gun file of an accepted gun set and loads it.
    void addGunFile(const QString &name, const QVector<MacroEvent> &events);
    void editRow();
    void deleteRow();
    void moveRow(MacroControl which); // Top, Bottom, MoveUp, MoveDown
    void clearRows();
    void insertDelay();
    void copyRows();
    void cutRows();
    void pasteRows();
    // One key from the keyboard capture: the program's key code, and whether it goes up.
    void onCapturedKey(int keyCode, bool released);

    // Message boxes go through here, so that checks can answer them: (style, caption, text)
    // -> accepted. Unset: a modal ZelMessageBox.
    void setMessageHandler(std::function<bool(int, const QString &, const QString &)> handler)
    {
        m_messageHandler = std::move(handler);
    }

signals:
    // False while a recording or key edit runs: the main window locks its other controls.
    void EnableButtonsSignal(bool enable);
    // A deleted macro's buttons got their factory function back: the button page shows them.
    void MacroButtonsReleased();

public slots:
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void itemClicked(QModelIndex index);
    void EditMoveChanged(QString text);
    void EditDelayChanged(QString text);
    void DefDelayChanged(QString text);
    void LoopTimeChanged(QString text);
    void CurrentChanged(QModelIndex current, QModelIndex previous);
    void mousemove_test();
    void ZelItemPressed();
    void checkbtn_clicked();
    void SelectRow(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    ZelPushButton *makeButton(MacroControl which);
    QCheckBox *makeCheck(MacroControl which, bool toggle);
    void placeControls();
    void applySkinStyles();
    void onButton(MacroControl which);
    void onMacroRowChanged(int row);
    void onBatchToggled(bool on);
    void fillList(const QString &select);
    QListWidgetItem *appendListItem(const QString &name);
    void showMacroSettings(const MacroFile &macro);
    MacroFile editedMacro() const;
    // Saves the table unless a press in it has no release (then says so); true when saved.
    bool writeCheckedMacro();
    bool showMessage(int style, const QString &caption, const QString &text);
    // Says beside `field` which values it takes while what is typed there is not taken.
    void showRangeHint(QLineEdit *field);
    bool refuse(const struct MacroLibraryResult &result);
    void importWithDialog();
    void exportWithDialog();
    void openGunSet();
    // Inserts after the selected row (at the end without one) and selects the last one added.
    void insertAfterSelection(const QVector<MacroEvent> &events);
    QVector<MacroEvent> withActionDelay(QVector<MacroEvent> events) const;
    QVector<int> selectedRows() const;
    void selectRow(int row);
    void showProperties(int row);
    void setKeyCapture(bool on);
    void endKeyEdit();
    void setRecordingLook(bool recording);
    void setDelayMode(int mode);
    void setLoopType(int type);

    ZelPushButton *button(MacroControl which) const;

    QWidget *m_controls[kMacroControlCount] = {};
    QLineEdit *m_nameEdit = nullptr;
    QListWidget *m_list = nullptr;
    QTableView *m_table = nullptr;
    QStandardItemModel *m_model = nullptr;
    ZelMacroItemDelegate *m_delegate = nullptr;
    ZelTreeWidget *m_tree = nullptr;
    QLineEdit *m_defaultDelay = nullptr;
    QLineEdit *m_loopTime = nullptr;
    QLineEdit *m_propertyField = nullptr;
    QLabel *m_propertyTitle = nullptr;
    QLabel *m_propertyValue = nullptr;
    QLabel *m_propertyFieldLabel = nullptr;
    KeyboardGrab *m_grab = nullptr;

    QString m_current;
    bool m_batch = false;
    bool m_editingKey = false;
    bool m_showingRow = false;
    int m_lastKeyCode = -1;
    bool m_lastKeyReleased = false;
    int m_insertAt = 0;
    int m_minDelay = 10;
    double m_scale = 1.0;
    MacroRecorder m_recorder;
    QElapsedTimer m_clock;
    QVector<MacroEvent> m_clipboard;
    std::function<bool(int, const QString &, const QString &)> m_messageHandler;
};
