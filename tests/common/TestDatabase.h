#pragma once

#include "TestFolder.h"

#include "data/DBBase.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// A temporary folder as the current directory with a fresh database
// (TesvarBrowser.db made from the schema script) opened as Qt's default
// connection. Declare it first in a test function, so that every record,
// list and query of the test is gone before it closes the connection:
//     TestDatabase db;
//     QVERIFY(db.isOpen());
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // True when the database is open and holds the schema.
    bool isOpen() const { return m_ok; }
    // Why it is not.
    QString errorText() const { return m_error; }

    QString folder() const { return m_folder.path(); }
    QString file(const QString& name) const { return m_folder.file(name); }
    QString databaseFile() const;
    QSqlDatabase database() const;

    // Closes and removes the default connection, when there is one.
    static void dropDefaultConnection();

    // Runs one statement on the default connection; false on failure (the
    // driver's message goes to qWarning).
    static bool exec(const QString& statement);
    // The first column of the first row of a statement (invalid when none).
    static QVariant value(const QString& statement);
    // Number of rows of a table or view.
    static int rowCount(const QString& table);
    // How many objects of a type ("TABLE", "VIEW") the schema script creates.
    static int schemaCount(const QString& type);

private:
    TestFolder m_folder;
    bool m_ok = false;
    QString m_error;
};

namespace Vexal {

// Reads a record's state, which has no public getter.
class DBStateProbe
{
public:
    static int state(const DBBase* record) { return record->m_state; }
};

} // namespace Vexal
