#pragma once
#include <QString>
#include <QVector>

// The one place hot-plug names become arrivals and removals of the known models, for the window
// and `zelmouse-cli watch` alike. Runs on the thread that owns the device table (discovery's).

// What one interface did to one connection of one model.
struct PresenceChange {
    int record = -1;
    QString model;
    int connection = 0;            // kReceiverConnection or kCableConnection
    bool vendorInterface = false;
    QString path;
    bool changed = false;          // the interface was stored (an accepted release) or cleared
    bool newlyFound = false;       // it arrived and was not found before
    bool wasPresent = false;       // both interfaces of the connection found, before and after
    bool present = false;
    bool anyInterfaceFound = false; // either interface of the connection, after
    bool modelGone = false;        // no interface of any connection of the model is left
};

// Updates the device table for an interface that arrived or went; `name` is in the hot-plug
// layer's form (platform/hid_interface_name.h). One change for each model connection the
// interface belongs to; none for anything but one of the mouse's two interfaces.
QVector<PresenceChange> trackInterfaceChange(const QString &name, bool arrived);
