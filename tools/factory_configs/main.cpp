// Writes the factory profiles a fresh install starts from: the five slots named "Profile 1".."Profile 5",
// each with the product's factory settings, into the Configs folder of an application directory.
#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/profile_files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || !QFileInfo(args.at(1) + QStringLiteral("/DefaultProfile.bin")).isFile()) {
        QTextStream(stderr) << "usage: factory_configs APP_DIR (a folder with DefaultProfile.bin and Configs)\n";
        return 64;
    }
    setApplicationDirectoryOverride(args.at(1));

    auto settings = std::make_unique<DeviceSettings>();
    resetAllProfiles(*settings);
    for (int i = 1; i < kProfileCount; ++i)
        resetProfile(settings->profiles[i]);
    saveSettingsForApply(*settings);
    writeDefaultProfileFile();
    return 0;
}
