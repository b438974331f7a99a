#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <vector>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

namespace Vexal {

class DBBase;
class DBField;

// A statement on the SQLite handle under a QtSql connection, for the jobs that
// run one statement per row of a file (the XML import's inserts and
// overwrites; see DBBase for the other way rows are written): prepared once,
// bound by position (from 0, as QSqlQuery counts), texts as UTF-8 and numbers
// as integers, with no QVariant or UTF-16 copy per value. A record's fields
// come through the field table's binding (bindField, bindRow), the same the
// record base binds with, so a row stored through either reads back the same.
// It runs inside whatever transaction the connection has open.
class SqlStatement final
{
public:
    SqlStatement() = default;
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // False (with errorText()) when the connection is not SQLite's or the
    // text does not compile.
    bool prepare(const QSqlDatabase& db, const QString& text);
    bool isPrepared() const { return m_statement != nullptr; }
    QString text() const { return m_text; }

    void bindNull(int position);
    void bindInt(int position, qint64 value);
    // A null string is NULL, as the driver binds it; an empty one is "".
    void bindText(int position, const QString& text);
    // Bytes as a blob, held until the statement has run (the caller's may go
    // before); an icon every row shares is not copied.
    void bindBytes(int position, const QByteArray& bytes);
    // The record's value of `field`, as the field table binds it (DBField::bind).
    void bindField(int position, const DBField& field, const DBBase* record);
    // The record's whole row, in the order of its insertText()'s placeholders
    // (DBFields::bindRow).
    void bindRow(const DBBase* record);

    // One placeholder as DBField::bind takes it.
    struct Binder
    {
        SqlStatement* statement;
        int position;
        void bindNull() { statement->bindNull(position); }
        void bindInt(qint64 value) { statement->bindInt(position, value); }
        void bindText(const QString& text) { statement->bindText(position, text); }
        void bindBytes(const QByteArray& bytes) { statement->bindBytes(position, bytes); }
    };

    // Runs the statement once and makes it ready for the next binding;
    // *gaveRow, when asked, tells whether it gave a row.
    bool exec(bool* gaveRow = nullptr);
    // Steps a query: true with a row to read; false at its end (errorText()
    // empty) or on a failure, and the statement is ready to run again.
    bool next();
    qint64 columnInt(int column) const;
    QString columnText(int column) const;
    // The column's value as the QtSql SQLite driver reads it: a qlonglong, a
    // double, a text, bytes, or NULL as a null string value.
    QVariant columnValue(int column) const;
    qint64 lastInsertId() const;
    // Rows the last run inserted, changed or deleted.
    int changes() const;
    // The driver's form of the last failure: the database's text, then what failed.
    QString errorText() const { return m_error; }
    // What the user can act on in the last failure (DBConnection::failureCause).
    QString failureCause() const { return m_cause; }

private:
    bool failed(const char* what);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QString m_text;
    QString m_error;
    QString m_cause;
    // The UTF-8 form of each bound text, and each bound blob, kept until the
    // statement has run.
    std::vector<QByteArray> m_texts;
};

} // namespace Vexal
