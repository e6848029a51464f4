#include "platform/switch_notice.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

QString switchNoticePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("zelmouse-app-switch.json"));
}

bool writeSwitchNotice(const SwitchNotice &notice)
{
    QSaveFile file(switchNoticePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QJsonObject object{{QStringLiteral("time"), notice.time ? notice.time : QDateTime::currentMSecsSinceEpoch()},
                             {QStringLiteral("program"), notice.program},
                             {QStringLiteral("profile"), notice.profile},
                             {QStringLiteral("result"), notice.result}};
    file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return file.commit();
}

SwitchNotice readSwitchNotice()
{
    SwitchNotice notice;
    QFile file(switchNoticePath());
    // Small by construction; anything larger is not ours.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 65536)
        return notice;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    notice.time = qint64(object.value(QStringLiteral("time")).toDouble());
    notice.program = object.value(QStringLiteral("program")).toString();
    notice.profile = object.value(QStringLiteral("profile")).toString();
    notice.result = object.value(QStringLiteral("result")).toString();
    return notice;
}
