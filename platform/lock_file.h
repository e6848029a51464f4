#pragma once
#include <QString>

// Where a lock file lives: a folder other machines may share (a home folder on a network), or
// one of this machine alone (the runtime folder).
enum class LockFolder { Shared, ThisMachine };

// QLockFile never counts a lock file as stale when it cannot read a process out of it (empty,
// garbage, a directory) and no stale age is set, so such a file would keep every later start
// out. Removes the file at `path` unless it names a process that may still be alive; true when
// something was removed. A holder named on another host may be alive in a shared folder; in a
// folder of this machine alone it is alive only while some process here holds the file's lock.
bool removeUnusableLockFile(const QString &path, LockFolder folder = LockFolder::Shared);
