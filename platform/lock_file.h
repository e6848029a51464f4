#pragma once
#include <QString>

// QLockFile never counts a lock file as stale when it cannot read a process out of it (empty,
// garbage, a directory) and no stale age is set, so such a file would keep every later start
// out. Removes the file at `path` unless it names a process that may still be alive; true when
// something was removed.
bool removeUnusableLockFile(const QString &path);
