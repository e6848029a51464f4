#pragma once
#include <QString>
#include <memory>

class SettingsReading;
class ZiziraziWidget;

// "PROFILE/ProductName" of the product file in the application directory; empty when absent.
QString readProductName();

// Builds the main window, shows it when a mouse was found (unless started hidden in the tray),
// and gives it icon and title. `settingsReading`: the settings files, when their reading has begun.
std::unique_ptr<ZiziraziWidget> createMainWindow(const QString &productName, bool hidden = false,
                                                 std::unique_ptr<SettingsReading> settingsReading = nullptr);

// Takes "--hidden" (start in the tray, as at login) out of argv; true when it was there.
bool takeHiddenOption(int &argc, char **argv);

// Takes "--trace" out of argv (traces on, selectTraces); true when it was there.
bool takeTraceOption(int &argc, char **argv);

// The whole life of the program: guard, window, event loop. Returns the exit code.
int runApplication(int &argc, char **argv);
