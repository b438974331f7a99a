#pragma once

#include "core/ConstApp.h"

#include <QString>

namespace Vexal {

// Files that the program builds under a temporary name beside their final
// place and renames into it once whole (a new database, a backup). The name
// is "<final name>.<process id>-<8 hex digits><suffix>", unique to the run;
// side files that SQLite keeps beside such a file end in "-journal", "-wal"
// or "-shm". A run that is killed leaves them behind: a later run removes
// those that are stale, and never another run's that is still at work.
class TemporaryFiles final
{
    static QString databaseFolder();
    static QString databaseName();
    static QString backupNames();

public:
    TemporaryFiles() = delete;

    // One kind of such files: where they are built, for which final names,
    // and how long one lies unmodified before it counts as a killed run's
    // (a run at work writes to its file well within that).
    struct Kind
    {
        QString (*folder)();
        // A regular expression of the final names.
        QString (*finalNames)();
        const char* suffix;
        int staleSeconds;
    };
    // A new database, built beside the database file.
    static constexpr Kind newDatabase{&databaseFolder, &databaseName, ".new", 60};
    // A backup's copy, built in the backup folder.
    static constexpr Kind backupCopy{&ConstApp::backupFolderPath, &backupNames, ".part", 600};

    // A new name for building `finalPath`.
    static QString name(const QString& finalPath, const Kind& kind);

    // Removes the stale files of the kind (and their side files) from its
    // folder; other files are left alone. The number removed.
    static int removeStale(const Kind& kind);
    // The same for every kind: what killed runs left, gone at a start.
    static int removeStaleOfEveryKind();

    // Writes a file, or a folder's entries (a file renamed into it), to the
    // disk; the system's reason on failure, "" on success. A file system
    // that cannot sync a folder has nothing more to do.
    static QString syncToDisk(const QString& path, bool folder);
};

} // namespace Vexal
