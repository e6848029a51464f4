// Start-up load of all settings (five full profiles of about 8,000 keys each) and the save of
// one full profile, as the apply path does it. Run a Release build: bench/store_bench [runs]
#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/profile_files.h"
#include "tests/store/profile_samples.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// QSettings keeps parsed files per process while size and time stay the same; a start-up
// reads them fresh, so every measured load first gives each file a new time.
void touchAll(const QString &dir, int generation)
{
    QDirIterator it(dir, {QStringLiteral("*.ini"), QStringLiteral("*.prof")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadWrite))
            f.setFileTime(QDateTime::currentDateTime().addSecs(-100000 + generation), QFileDevice::FileModificationTime);
    }
}

struct Figures {
    double median;
    double best;
};

Figures measure(int runs, const std::function<void(int)> &prepare, const std::function<void()> &work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare(i);
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

void report(const char *what, const Figures &f)
{
    std::printf("%-52s median %7.2f ms   best %7.2f ms\n", what, f.median, f.best);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QTemporaryDir dir;
    setApplicationDirectoryOverride(dir.path());

    auto settings = std::make_unique<DeviceSettings>();
    for (int i = 0; i < kProfileCount; ++i) {
        fillProfile(settings->profiles[i], i + 1);
        settings->ProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    }
    saveSettingsForApply(*settings);

    const QString slot0 = slotProfilePath(settings->ProfileNames[0]);
    {
        QSettings raw(slot0, QSettings::IniFormat);
        std::printf("profile file: %lld bytes, %d keys; %d runs\n", QFile(slot0).size(), raw.allKeys().size(), runs);
    }

    auto loaded = std::make_unique<DeviceSettings>();
    report("start-up: loadAllSettings (5 profiles, cold)",
           measure(runs, [&](int i) { touchAll(dir.path(), i); }, [&] { loadAllSettings(*loaded); }));
    if (!profileDifference(loaded->profiles[4], settings->profiles[4]).isEmpty())
        std::printf("warning: loaded profile differs\n");

    report("save one full profile, one key changed",
           measure(runs, [&](int i) { settings->profiles[0].buttons[20].KeyInfo[30].H = uint8_t(i); },
                   [&] { saveSlotProfile(settings->ProfileNames[0], settings->profiles[0]); }));
    report("save one full profile, unchanged (no rewrite)",
           measure(runs, [](int) {}, [&] { saveSlotProfile(settings->ProfileNames[0], settings->profiles[0]); }));
    report("apply save: saveSettingsForApply, one key changed",
           measure(runs, [&](int i) { settings->profiles[0].buttons[20].KeyInfo[30].H = uint8_t(100 + i); },
                   [&] { saveSettingsForApply(*settings); }));
    report("apply save repeated: saveSettingsForApply unchanged",
           measure(runs, [](int) {}, [&] { saveSettingsForApply(*settings); }));
    setApplicationDirectoryOverride(QString());
    return 0;
}
