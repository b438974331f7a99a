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

// A change of the schema that a file made before it gets once, at a start:
// it adds the object of the script that bears its name (its statement as
// the script writes it, so that the file ends with exactly the schema of a
// new one). A file that holds the object already keeps it.
struct Step {
    const char* name;
};

// Every step since the first schema the program wrote, in order.
const QList<Step>& steps();

// The version of the script's schema: the number of steps. A file keeps
// the version of its schema in SQLite's user_version field (0, the field's
// default, in files made before the program marked them); a file of
// version v lacks the steps from v + 1 on.
int version();
// The statement that marks a file with version(); new files run it last.
QString versionStatement();

// The name of the object (a table, view, index or trigger) that a statement
// creates, and its type in capitals when `type` is given; "" for a
// statement that creates none.
QString createdObject(const QString& statement, QString* type = nullptr);
// The statement among `statements` that creates the object `name`; "" when
// there is none.
QString createStatement(const QStringList& statements, const QString& name);

} // namespace SchemaScript
} // namespace Vexal
