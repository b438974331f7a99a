#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstddef>

class QSqlQuery;

namespace Vexal {

class DBField;
class DBFields;
class DBStateProbe;
class SqlStatement;

// The member of an integer field with a range (DBField::range). It holds the
// value as it was read or set, and only its field reads it: a record hands it
// out through DBBase::inRange, within the range of its row in the field
// table, so no getter can give a stored value out of range.
class DBRanged
{
public:
    constexpr explicit DBRanged(int value)
        : m_value(value)
    {
    }

private:
    friend class DBField;
    int m_value;
};

// Base of every record: one row of one table, held in memory. A record class
// supplies its table name, display name, its field table (see DBField) and a
// factory. From the field table the base binds and reads the fields, copies
// another record and lists the columns; it builds the SQL texts, loads by id,
// saves by state and removes.
//
// Rows are written two ways. The base's save (a QtSql statement prepared for
// each save, values bound by name) serves every record saved one at a time:
// editors, journals, lists, the import's deletes. The XML import writes its
// inserts and overwrites through statements of its own on the SQLite handle
// (SqlStatement), prepared once per file: it stores a row per item of files
// of a million items, and its overwrite keeps the stored value of every
// column whose element gave none, which the record's UPDATE cannot say. Both
// take every value from the field table's one binding (DBField::bind,
// DBFields::bindRow), so a column is stored alike whichever way wrote it.
class DBBase : public QObject
{
    Q_OBJECT
public:
    // Record states; setState() takes the same numbers as operations.
    enum State { StateNew = 0, StateClean = 1, StateModified = 2, StateDeleted = 3 };

    // Text limits of the base's setters.
    static constexpr int nameLimit = 128;
    static constexpr int commentsLimit = 1024;

    explicit DBBase(QObject* parent = nullptr);
    ~DBBase() override;

    virtual bool canLoad(qint64 id);
    virtual bool load(qint64 id);
    virtual void afterLoad();
    virtual bool isValid();
    virtual bool save();
    virtual bool remove();
    // The kind's fields in column order; the base's are ID, Name, Comments.
    virtual const DBFields& fields() const;
    virtual void bindValues(QSqlQuery& query);
    virtual void readValues(const QSqlQuery& query);
    // The row a statement on SQLite's own handle stands on, read as
    // readValues(QSqlQuery) reads it (the import's look-ups and overwrites).
    void readValues(const SqlStatement& row);
    virtual void assign(const DBBase* source);
    // Becomes what `fresh` (a new record of the same kind) is: its values,
    // state, no delete mark and no error. Cheaper than a new record per row.
    void resetTo(const DBBase& fresh);
    virtual DBBase* create(QObject* parent) const;
    virtual QString tableName() const;
    virtual QString friendlyName() const;
    virtual QString displayName() const;
    virtual QStringList columns() const;
    virtual QString columnsText() const;
    virtual QString bindNamesText() const;
    virtual bool insertRow();
    virtual bool updateRow();
    virtual bool deleteRow();
    virtual QString selectText() const;
    virtual QString insertText() const;
    virtual QString updateText() const;
    virtual QString deleteText() const;
    // Stores a copy of every row of the kind's table that satisfies the
    // condition (on the table's columns), in one statement whatever their
    // number, in the order of ID: each a new row whose ID the table gives
    // (past every ID that rows point at, DBReferences), with its row's
    // values as stored, but in the columns named in `own`, which take this
    // record's values. False (with the error text) leaves the table as it
    // was.
    bool copyRows(const QString& condition, const QStringList& own);
    QString copyRowsText(const QString& condition, const QStringList& own) const;

    // IDs are 64-bit, as SQLite's keys are: a table holds IDs past 2^31.
    qint64 id() const { return m_id; }
    QString name() const { return m_name; }
    QString comments() const { return m_comments; }
    bool deleteMark() const { return m_deleteMark; }
    QString errorText() const { return m_errorText; }
    // Why the last failed statement failed, when it is a cause a user can act
    // on (DBConnection::failureCause); "" otherwise.
    QString failureCause() const { return m_failureCause; }

    void setState(int operation);
    void markModified() { setState(StateModified); }
    void markClean() { setState(StateClean); }
    void markNew() { setState(StateNew); }

    void setId(qint64 id) { change(m_id, id); }
    void setName(const QString& name);
    void setComments(const QString& comments) { change(m_comments, comments, commentsLimit); }
    void setDeleteMark(bool mark);
    // The name stored when a record is given an empty one.
    static QString emptyName();

    // Stored value forms, shared by every record, list and statement:
    // booleans as 0/1, dates as "yyyy-MM-dd", date-times as
    // "yyyy-MM-ddThh:mm:ss" (no milliseconds, no zone), pictures as PNG bytes.
    // An invalid date, date-time or picture is bound as NULL.
    static QVariant boolValue(bool value);
    static QVariant dateValue(const QDate& date);
    static QVariant dateTimeValue(const QDateTime& dateTime);
    static QVariant imageValue(const QImage& image);
    // Readers: non-zero is true; dates and date-times also in Qt's form with
    // milliseconds; NULL gives an invalid date, time or a null image.
    static bool readBool(const QVariant& value);
    static QDate readDate(const QVariant& value);
    static QDateTime readDateTime(const QVariant& value);
    static QImage readImage(const QVariant& value);
    static QString dateTimeFormat();
    static QString dateFormat();

protected:
    // Copies at most the first `count` fields that this kind shares with the source's.
    void assignFirst(const DBBase* source, std::size_t count);
    // ID, Name, Comments: the first fields of every kind.
    static const DBFields& baseFields();
    // "ID", "Name", "Comments": the first columns of every record class.
    static QStringList commonColumns();
    int state() const { return m_state; }
    void setErrorText(const QString& text)
    {
        m_errorText = text;
        m_failureCause.clear();
    }
    // What a setter does: marks the record modified, then stores the value;
    // a text is cut to the limit.
    template <class T>
    void change(T& field, const T& value)
    {
        markModified();
        field = value;
    }
    void change(QString& field, const QString& value, int limit);
    // What a setter does when its limit or range stands in the field table:
    // stores the value through the field that holds the member.
    void setField(int& member, int value);
    void setField(bool& member, bool value);
    void setField(QString& member, const QString& value);
    void setField(DBRanged& member, int value);
    // What the getter of a field with a range hands out: the value within the
    // range of the field that holds the member.
    int inRange(const DBRanged& member) const;
    // Prepares, binds (bindValues) and executes; on failure sets the error text.
    bool execBound(const QString& text, QVariant* lastInsertId = nullptr, int* rowsAffected = nullptr);
    // The statement failed: its error text and cause.
    void failed(const QString& text, const QSqlQuery& query);

    // Fields, written directly by readValues (no limits, no state change).
    friend class DBField;
    qint64 m_id = -1;
    QString m_name;
    QString m_comments;

private:
    friend class DBStateProbe;

    template <class Row>
    void readRow(const Row& row);

    int m_state = StateNew;
    bool m_deleteMark = false;
    QString m_errorText;
    QString m_failureCause;
};

} // namespace Vexal
