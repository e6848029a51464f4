#pragma once
#include "store/report_rates.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

struct DeviceSettings;

// What `show` reports, gathered from the store: the settings as start-up loads them and the
// few configuration values that explain them.
struct SettingsReportInput {
    const DeviceSettings *settings = nullptr;
    QString productName;   // "Config/CurrentProductName"
    QString modelText;     // "Config/Model"
    int sensorModel = 0;   // "MouseSenSor/1"
    bool applyFailed = false;
    int buttonCount = 0;   // of the product definition
    int dpiStageCount = 0; // of the product definition
    QStringList macroNames;
};

// Reads everything `show` reports into `input`; `settings` must outlive the input.
SettingsReportInput gatherSettingsReport(DeviceSettings &settings);

// The JSON form of the report (layout documented with the tool), and the text form, which is
// rendered from the JSON object so that both say the same.
QJsonObject settingsReportJson(const SettingsReportInput &input);
QString settingsReportText(const QJsonObject &report);
