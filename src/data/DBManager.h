#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace Vexal {

class DBProject;

// The two database steps of start-up: open the database as the default
// connection, then make sure that an active project exists. Each logs the
// cause of a failure and tells the user before it returns false.
class DBManager final : public QObject
{
    Q_OBJECT
public:
    explicit DBManager(QObject* parent = nullptr);
    ~DBManager() override;

    // Opens ConstApp::databaseFile() as Qt's default connection. A file that
    // does not exist yet is built whole (the schema, its first rows and the
    // "Default" project) under another name in the same folder, synced once
    // and put in place only while no file stands there, so that a start cut
    // short never leaves a file without the schema and two starts never
    // replace each other's file. A file without a single table gets the
    // schema in one write transaction. A file of the program's that an
    // earlier version made is brought up to date once
    // (DBSchema::bringUpToDate); one of a newer version fails the start,
    // left unchanged. Another program's file, and one that is not a
    // database, is never altered. A folder or a file that the
    // program cannot write, and a disk without the room that opening the
    // file takes, fail the start before SQLite opens anything, so that
    // nothing is left beside the file; the message then names the
    // cause, as it does whenever log.txt could not take the log lines.
    bool setupConnection();
    // Finds the current project, the active one of the lowest ID; when
    // there is none, inserts an active "Default" project, after looking
    // again in the same write transaction, so that programs started at once
    // add one between them. A look-up that fails (a locked database, a
    // missing table) fails the start-up: it never counts as "none". The
    // project found or made is kept for takeActiveProject.
    bool checkProject();
    // The project that the last successful checkProject found or made, once:
    // the window starts on it instead of looking it up again. Null after a
    // failed check, and when it was taken.
    std::unique_ptr<DBProject> takeActiveProject();

    // False when there is no active project; `loaded` (when given) tells
    // whether the look-up itself worked.
    static bool loadActiveProjects(bool* loaded = nullptr);
    static bool createDefaultProject();

    // Action names of the two steps in the log.
    static QString setupConnectionAction();
    static QString checkProjectAction();

private:
    // The active project of the lowest ID, read without going past it;
    // null (and logged) when there is none or the look-up failed, which
    // `loaded` tells apart.
    static std::unique_ptr<DBProject> findActiveProject(bool* loaded);
    static std::unique_ptr<DBProject> createDefaultProjectOnce();
    // The saved "Default" project; null and the error on failure.
    static std::unique_ptr<DBProject> saveDefaultProject(QString* error);
    static bool openDatabase(QSqlDatabase& db, const QString& path, QString* error);
    static QString createDatabase(QSqlDatabase& db, const QString& path);

    std::unique_ptr<DBProject> m_activeProject;
};

} // namespace Vexal
