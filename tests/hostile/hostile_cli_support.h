#pragma once
// zelmouse-cli runs against the emulated mouse for the fault, kill and concurrency tests.
#include "../cli/cli_harness.h"

#include <QColor>
#include <QRegularExpression>

// The packets a run wrote, from its --trace output: bytes 1 to 32 of each, as hex text.
inline QStringList writtenPackets(const QString &trace)
{
    QStringList packets;
    const QString marker = QStringLiteral("hid_write length=33 data=");
    for (const QString &line : trace.split(QLatin1Char('\n'))) {
        const int at = line.indexOf(marker);
        if (at >= 0)
            packets.append(line.mid(at + marker.size()).left(32 * 3 - 1));
    }
    return packets;
}

inline QProcessEnvironment environmentWith(const QMap<QString, QString> &values)
{
    QProcessEnvironment env;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        env.insert(it.key(), it.value());
    return env;
}

inline QStringList emulatedRun(const AppDirFixture &app, const QStringList &arguments)
{
    return app.withAppDir(QStringList{QStringLiteral("--emulate"), QStringLiteral("--trace")} + arguments);
}

// Two named slots with distinct settings; the rest unnamed.
inline void writeTwoSlots(const AppDirFixture &app, int pollrate = 2)
{
    app.setKeys(app.configIni(), {{"Config/ProfileID", 0},
                                  {"Config/Profile1", "Main"},
                                  {"Config/Profile2", "Other"},
                                  {"Config/LiftHigh", 2},
                                  {"Config/Diff", 0}});
    // A profile file holds its buttons: one without them reads as missing.
    app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/BUTTON_INFO_0_Fun", 1},
                                                           {"PROFILE/pollrate", pollrate},
                                                           {"PROFILE/dpi", 2},
                                                           {"PROFILE/LedMode", 1},
                                                           {"PROFILE/LedMode/LED_MODE_1_RGB", QColor(0, 0, 255)},
                                                           {"PROFILE/DPI_INFO_0_x", 16},
                                                           {"PROFILE/DPI_INFO_0_used", 1}});
    app.setKeys(app.slotProfile(QStringLiteral("Other")), {{"PROFILE/BUTTON_INFO_0_Fun", 1}, {"PROFILE/pollrate", 8}});
}

// A staging file (".Config.ini.a1B2c3"): a killed run may leave one, the next save removes it.
inline bool isStagingFile(const QString &path)
{
    static const QRegularExpression pattern(QStringLiteral("/\\.[^/]+\\.[A-Za-z0-9]{6}(\\.lock)?$"));
    return pattern.match(path).hasMatch();
}

// Relative path -> content of every file under Configs; the settings lock and the staging
// files come and go and are left out.
inline QMap<QString, QByteArray> settingsFiles(const AppDirFixture &app)
{
    QMap<QString, QByteArray> files;
    const QString root = app.path(QStringLiteral("Configs"));
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (file.endsWith(QLatin1String(".lock")) || isStagingFile(file))
            continue;
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            files.insert(file.mid(root.size()), f.readAll());
    }
    return files;
}

// A runtime folder of the test's own for the programs it starts: their per-product locks
// (exchange, single instance) would otherwise be shared with other tests running at the same
// time, and make them wait.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder()
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    }

private:
    QTemporaryDir m_dir;
};
