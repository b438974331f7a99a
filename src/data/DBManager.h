#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// The two database steps of start-up: open the database as the default
// connection, then make sure that an active project exists. Each logs the
// cause of a failure and tells the user before it returns false.
class DBManager : public QObject
{
    Q_OBJECT
public:
    explicit DBManager(QObject* parent = nullptr);

    // Opens ConstApp::databaseFile() as Qt's default connection. A file that
    // does not exist yet is created with the full schema; an existing file is
    // never altered.
    bool setupConnection();
    // Loads the active projects; when that fails or finds none, inserts an
    // active "Default" project.
    bool checkProject();

    static bool loadActiveProjects();
    static bool createDefaultProject();

    // Action names of the two steps in the log.
    static QString setupConnectionAction();
    static QString checkProjectAction();
};

} // namespace Vexal
