#pragma once
#include <QString>

// Where an export may write. An export never destroys: an existing file is replaced only when
// the user said so, nothing but a regular file is ever written (a FIFO would block, a device
// would take the bytes, a symbolic link would be replaced by a file), and nothing goes into
// the program's own settings folders, whose files an export would replace with another kind.
enum class ExportTarget {
    Usable,
    Exists,          // a regular file is there and replacing was not asked for
    NotRegular,      // a FIFO, device, socket, folder or symbolic link is there
    SettingsFolder,  // inside the folder the program keeps its settings in
    NoFolder,        // the folder it would go into does not exist
};

// The verdict for writing `path`; `replace`: the user asked to replace an existing file.
ExportTarget checkExportTarget(const QString &path, bool replace);

// One sentence saying why `path` is not written ("... nothing was exported.").
QString exportTargetRefusal(ExportTarget verdict, const QString &path);
