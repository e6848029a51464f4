// Writes the shell completions and the manual page of zelmouse-cli into a folder, at build time.
#include "tools/cli/cli_docs.h"

#include "build_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || !QDir().mkpath(args.at(1))) {
        QTextStream(stderr) << "usage: zel_cli_docs OUTPUT_DIR\n";
        return 64;
    }
    const QDir out(args.at(1));
    const bool written = writeText(out.filePath(QStringLiteral("zelmouse-cli")), bashCompletionScript())
                         && writeText(out.filePath(QStringLiteral("_zelmouse-cli")), zshCompletionScript())
                         && writeText(out.filePath(QStringLiteral("zelmouse-cli.1")), manPage(QStringLiteral(ZEL_VERSION_TEXT)));
    if (!written) {
        QTextStream(stderr) << "zel_cli_docs: cannot write in " << args.at(1) << "\n";
        return 73;
    }
    return 0;
}
