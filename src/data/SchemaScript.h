#pragma once

#include <QString>
#include <QStringList>

namespace Vexal {
namespace SchemaScript {

// The statements of a schema script in order: its lines without the whole
// comment lines ("--"), split at each ';', trimmed, empty ones left out.
// The program's start-up and the build tool that makes the new database of
// a first start split it alike.
QStringList statements(const QString& script);

// A change of the schema that a file made before it gets once, at a start.
// Most steps add the object of the script that bears their name (a table,
// view, index or trigger: its statement as the script writes it, so that the
// file ends with exactly the schema of a new one); a file that holds the
// object already keeps it. A change that is no object of its own, a column
// added to a table, gives its own statement: "ALTER TABLE Project ADD COLUMN
// Note TEXT" for a column that the script's CREATE TABLE of Project ends with
// as "Note TEXT" (SQLite adds a column last, so the script adds it last too).
struct Step {
    const char* name;
    const char* statement = nullptr;
};

// Every step since the first schema the program wrote, in order.
const QList<Step>& steps();

// The version of the script's schema: the number of steps. A file keeps
// the version of its schema in SQLite's user_version field (0, the field's
// default, in files made before the program marked them); a file of
// version v lacks the steps from v + 1 on.
int version();
// The statement that marks a file with version() (or with `version`); new
// files run it last.
QString versionStatement(int version = -1);

// The name of the object (a table, view, index or trigger) that a statement
// creates, and its type in capitals when `type` is given; "" for a
// statement that creates none.
QString createdObject(const QString& statement, QString* type = nullptr);
// The statement among `statements` that creates the object `name`; "" when
// there is none.
QString createStatement(const QStringList& statements, const QString& name);

} // namespace SchemaScript
} // namespace Vexal
