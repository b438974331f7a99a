// Builds the new database of a first start when the program is built: runs
// the statements of the schema script into an empty file, in one transaction,
// as DBSchema::create runs them (its version mark last), and writes the
// file's bytes out as the C++ source of DBSchema::newDatabase.
//
//   dbtemplate <schema.sql> <NewDatabase.cpp>

#include "data/SchemaScript.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <sqlite3.h>

#include <cstdio>

namespace {

bool run(sqlite3* db, const QString& statement)
{
    sqlite3_stmt* prepared = nullptr;
    int code = sqlite3_prepare16_v2(db, statement.utf16(), -1, &prepared, nullptr);
    if (code == SQLITE_OK) {
        while ((code = sqlite3_step(prepared)) == SQLITE_ROW) {}
    }
    sqlite3_finalize(prepared);
    if (code == SQLITE_OK || code == SQLITE_DONE)
        return true;
    std::fprintf(stderr, "dbtemplate: %s\n%s\n", sqlite3_errmsg(db), qPrintable(statement));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: dbtemplate <schema.sql> <NewDatabase.cpp>\n");
        return 2;
    }
    QFile script(QString::fromLocal8Bit(argv[1]));
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "dbtemplate: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList statements = Vexal::SchemaScript::statements(QString::fromUtf8(script.readAll()));

    const QString output = QString::fromLocal8Bit(argv[2]);
    const QString file = output + QStringLiteral(".db");
    QFile::remove(file);
    sqlite3* db = nullptr;
    bool ok =
        sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        == SQLITE_OK;
    ok = ok && run(db, QStringLiteral("PRAGMA journal_mode = MEMORY;")) && run(db, QStringLiteral("BEGIN"));
    for (const QString& statement : statements)
        ok = ok && run(db, statement);
    ok = ok && run(db, Vexal::SchemaScript::versionStatement()) && run(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
    QFile built(file);
    if (!ok || !built.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = built.readAll();
    built.close();
    QFile::remove(file);

    QByteArray source;
    source += "// Made by tools/dbtemplate from resources/schema.sql when the program was built.\n"
              "#include \"data/DBSchema.h\"\n\nnamespace {\n\nconst unsigned char bytes[] = {";
    for (int i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            source += "\n   ";
        source += ' ' + QByteArray::number(static_cast<unsigned char>(bytes.at(i))) + ',';
    }
    source += "\n};\n\n} // namespace\n\nQByteArray Vexal::DBSchema::newDatabase()\n{\n"
              "    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), int(sizeof bytes));\n}\n";
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() || !out.commit()) {
        std::fprintf(stderr, "dbtemplate: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
