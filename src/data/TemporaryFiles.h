#pragma once

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
public:
    TemporaryFiles() = delete;

    // A new name for building `finalPath`.
    static QString name(const QString& finalPath, const QString& suffix);

    // Removes, in `folder`, the temporary files (and their side files) made
    // by name() for a final name that `finalNamePattern` (a regular
    // expression) matches with `suffix`, once they were not modified for
    // `staleSeconds`. Other files are left alone. The number removed.
    static int removeStale(const QString& folder, const QString& finalNamePattern, const QString& suffix,
                           int staleSeconds);
};

} // namespace Vexal
