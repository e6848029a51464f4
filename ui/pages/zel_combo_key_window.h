#pragma once
#include "ui/pages/zel_key_dialog.h"

#include <QVector>

struct KeyInfoEntry;

// "COMBO KEY": up to four modifiers and one key, as held at the last key press. The dialog
// swallows every key while it is open and is operated with the mouse.
class ZelComboKeyWindow : public ZelKeyDialog {
    Q_OBJECT
public:
    QString refusal() const override;
    // Order of the five fields.
    enum Field { Shift = 0, Ctrl = 1, Win = 2, Alt = 3, Key = 4, FieldCount = 5 };

    explicit ZelComboKeyWindow(QWidget *parent = nullptr);

    // Rebuilds the keys from a button's first five events.
    void presetKeyInfo(const KeyInfoEntry *events);

    // The result: which fields are set, and per field its key codes (left, right) for a
    // modifier, (the key, 0) for the key.
    const quint8 *resultFlags() const { return m_resultFlags; }
    quint8 resultCode(int field, int which) const { return m_resultCodes[field][which]; }
    // The key codes to store, in field order: the left key of each modifier, then the key.
    QVector<quint8> resultKeyCodes() const;
    QString comboText() const { return m_text; }

protected:
    void keyCaptured(quint8 keyCode, quint8 flags) override;

private:
    void clearLive();
    // Adds one key to the live state the way a press sets it (`add` for the pre-set, which
    // counts left and right of a modifier together).
    void noteKey(quint8 keyCode, bool add);
    void releaseKey(quint8 keyCode);
    void publish();

    quint8 m_live[FieldCount] = {};
    quint8 m_key = 0;
    quint8 m_resultFlags[FieldCount] = {};
    quint8 m_resultCodes[FieldCount][2] = {{42, 54}, {29, 238}, {91, 92}, {56, 239}, {0, 0}};
    QString m_text;
    int m_fresh = -1;
};
