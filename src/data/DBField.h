#pragma once

#include "data/DBBase.h"

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>
#include <limits>
#include <type_traits>
#include <vector>

namespace Vexal {

class DBBase;

// What a field holds, and so how it is stored, read and exchanged.
enum class FieldType : unsigned char { Int, Text, Bool, Date, DateTime, Image };

// One field of a record kind, written once: its column (which is also its XML
// element), its type, its text limit and the record member that holds it. A
// record's load, save, copy, column list and XML element list all walk its
// field table, so a new column is one line there plus the schema.
//
// The member is held as a pointer to a member of DBBase: a record class hands
// in a pointer to its own member, which converts back safely because the
// table is only ever applied to records of that class.
class DBField
{
public:
    // A column name getter of the SQL name catalogue.
    using Column = QString (*)(bool);

    enum Flag : unsigned {
        NoFlags = 0,
        // The row's key: an XML item without a number here is refused.
        Key = 1,
        // An empty text is stored as "Object" (a record always has a name).
        NonEmpty = 2,
        // Not exchanged through XML.
        NoXml = 4,
        // Written to XML but never read back from it.
        XmlWriteOnly = 8,
        // An integer exchanged as a flag: "1" for non-zero, read back as 1 or 0.
        XmlAsFlag = 16,
        // Written after the kind's other elements.
        XmlLast = 32,
    };

    template <class Record>
    static DBField integer(Column column, int Record::*member, unsigned flags = NoFlags)
    {
        return DBField(column, FieldType::Int, 0, flags, static_cast<int DBBase::*>(member));
    }
    // A 64-bit integer: an ID, or a reference to another row's ID. It takes
    // every value a table's key can hold.
    template <class Record>
    static DBField integer(Column column, qint64 Record::*member, unsigned flags = NoFlags)
    {
        DBField field(column, FieldType::Int, 0, flags, static_cast<qint64 DBBase::*>(member));
        field.m_wide = true;
        field.m_minimum = std::numeric_limits<qint64>::min();
        field.m_maximum = std::numeric_limits<qint64>::max();
        return field;
    }
    // An integer with a range, minimum to maximum, held in a DBRanged member:
    // its setter keeps to the range and its getter (DBBase::inRange) hands
    // out the value within it. A value read from the table is kept as stored
    // (the row stays as it is) and is used as the nearest value in range.
    template <class Record>
    static DBField range(Column column, DBRanged Record::*member, int minimum, int maximum)
    {
        DBField field(column, FieldType::Int, 0, NoFlags, static_cast<DBRanged DBBase::*>(member));
        field.m_minimum = minimum;
        field.m_maximum = maximum;
        return field;
    }
    template <class Record>
    static DBField text(Column column, QString Record::*member, int limit, unsigned flags = NoFlags)
    {
        return DBField(column, FieldType::Text, limit, flags, static_cast<QString DBBase::*>(member));
    }
    // One text of a list member, at a fixed index.
    template <class Record>
    static DBField listText(Column column, QStringList Record::*member, int index, int limit)
    {
        DBField field(column, FieldType::Text, limit, NoFlags, static_cast<QStringList DBBase::*>(member));
        field.m_index = index;
        return field;
    }
    template <class Record>
    static DBField flag(Column column, bool Record::*member, unsigned flags = NoFlags)
    {
        return DBField(column, FieldType::Bool, 0, flags, static_cast<bool DBBase::*>(member));
    }
    template <class Record>
    static DBField date(Column column, QDate Record::*member, unsigned flags = NoFlags)
    {
        return DBField(column, FieldType::Date, 0, flags, static_cast<QDate DBBase::*>(member));
    }
    template <class Record>
    static DBField dateTime(Column column, QDateTime Record::*member, unsigned flags = NoFlags)
    {
        return DBField(column, FieldType::DateTime, 0, flags, static_cast<QDateTime DBBase::*>(member));
    }
    template <class Record>
    static DBField image(Column column, QImage Record::*member, unsigned flags = NoFlags)
    {
        return DBField(column, FieldType::Image, 0, flags, static_cast<QImage DBBase::*>(member));
    }

    // The column name; with a leading ':' the statements' placeholder.
    QString column(bool placeholder = false) const { return m_column(placeholder); }
    FieldType type() const { return m_type; }
    // The most characters a text keeps; 0 for no limit.
    int limit() const { return m_limit; }
    // The values an integer's setter keeps to (the whole range of its
    // member unless set).
    qint64 minimum() const { return m_minimum; }
    qint64 maximum() const { return m_maximum; }
    // Whether the field holds an ID, its row's own or a reference to another
    // row's: exactly the integers whose member is 64-bit (see integer()); a
    // 32-bit one holds only the values of an int.
    bool holdsId() const { return m_wide; }
    // An integer with a range of its own (made by range()).
    bool hasRange() const { return m_ranged; }
    bool has(Flag flag) const { return (m_flags & flag) != 0; }
    bool isExchanged() const { return !has(NoXml); }
    bool isReadFromXml() const { return !has(NoXml) && !has(XmlWriteOnly); }
    // The same field of the same member: tables of related kinds share these.
    bool sameAs(const DBField& other) const;

    // Hands the value to `to` in its stored form. This is the one place that
    // decides how a field is written, for both ways rows are written (the
    // record base's statements and the import's own, see DBBase): integers
    // and flags as integers, texts as texts (a text never set as NULL, an
    // empty one as ''), dates and date-times as their texts and pictures as
    // PNG bytes, or NULL when invalid (DBBase's stored forms). `to` has
    // bindNull(), bindInt(qint64), bindText(const QString&) and
    // bindBytes(const QByteArray&).
    template <class Binder>
    void bind(Binder& to, const DBBase* record) const;
    // The value in its stored form, as bind() gives it.
    QVariant stored(const DBBase* record) const;
    // Takes a stored value as it stands (no limit, no state change).
    void load(DBBase* record, const QVariant& value) const;
    // Copies the field from a record of the same kind, as its setter would.
    void copy(DBBase* record, const DBBase* source) const;
    // Copies the value as it stands (no limit, no state change).
    void copyRaw(DBBase* record, const DBBase* source) const;
    // Whether the member at that address of the record is this field's.
    bool holds(const DBBase* record, const void* member) const;

    // Typed access; the setters apply the limit and mark the record modified.
    qint64 intValue(const DBBase* record) const;
    // The integer as it is used: within the range (what the getter gives).
    int intInRange(const DBBase* record) const;
    const QString& textValue(const DBBase* record) const;
    bool boolValue(const DBBase* record) const;
    QDate dateValue(const DBBase* record) const;
    QDateTime dateTimeValue(const DBBase* record) const;
    QImage imageValue(const DBBase* record) const;
    void setInt(DBBase* record, qint64 value) const;
    void setText(DBBase* record, const QString& value) const;
    void setBool(DBBase* record, bool value) const;
    void setDate(DBBase* record, const QDate& value) const;
    void setDateTime(DBBase* record, const QDateTime& value) const;
    void setImage(DBBase* record, const QImage& value) const;

private:
    QString& textOf(DBBase* record) const;
    const QString& textOf(const DBBase* record) const;
    int& intOf(DBBase* record) const { return m_ranged ? (record->*m_member.r).m_value : record->*m_member.i; }
    const int& intOf(const DBBase* record) const
    {
        return m_ranged ? (record->*m_member.r).m_value : record->*m_member.i;
    }

    template <class Member>
    DBField(Column name, FieldType type, int limit, unsigned flags, Member member)
        : m_column(name)
        , m_type(type)
        , m_limit(limit)
        , m_flags(flags)
        , m_ranged(std::is_same_v<Member, DBRanged DBBase::*>)
    {
        m_member.set(member);
    }

    Column m_column;
    FieldType m_type;
    int m_limit;
    qint64 m_minimum = std::numeric_limits<int>::min();
    qint64 m_maximum = std::numeric_limits<int>::max();
    bool m_wide = false;
    unsigned m_flags;
    // An integer held in a DBRanged member.
    bool m_ranged;
    // For a text held in a list member: its index there; -1 otherwise.
    int m_index = -1;
    union Member {
        int DBBase::*i;
        DBRanged DBBase::*r;
        qint64 DBBase::*w;
        QString DBBase::*s;
        QStringList DBBase::*l;
        bool DBBase::*b;
        QDate DBBase::*d;
        QDateTime DBBase::*t;
        QImage DBBase::*p;
        void set(int DBBase::*member) { i = member; }
        void set(DBRanged DBBase::*member) { r = member; }
        void set(qint64 DBBase::*member) { w = member; }
        void set(QString DBBase::*member) { s = member; }
        void set(QStringList DBBase::*member) { l = member; }
        void set(bool DBBase::*member) { b = member; }
        void set(QDate DBBase::*member) { d = member; }
        void set(QDateTime DBBase::*member) { t = member; }
        void set(QImage DBBase::*member) { p = member; }
    } m_member{};
};

// A record kind's fields in column order: the order of its statements, of its
// query positions and of its XML elements.
class DBFields final : public std::vector<DBField>
{
public:
    DBFields(std::initializer_list<DBField> fields)
        : std::vector<DBField>(fields)
    {
    }
    // A base kind's fields followed by the kind's own.
    DBFields(const DBFields& base, std::initializer_list<DBField> own)
        : std::vector<DBField>(base)
    {
        insert(end(), own);
    }

    // The field of that column; null when the kind has none.
    const DBField* find(const QString& column) const;
    // The field that holds the record's member at that address; null when none does.
    const DBField* find(const DBBase* record, const void* member) const;

    // Binds the record's whole row, as its insert takes it: each field in
    // column order to `at(i)`, the binder of the i-th placeholder (see
    // DBField::bind); a new record's ID (the first field of every kind) as
    // NULL, for the table to give.
    template <class At>
    void bindRow(const DBBase* record, At at) const;
};

template <class Binder>
void DBField::bind(Binder& to, const DBBase* record) const
{
    switch (m_type) {
    case FieldType::Int:
        to.bindInt(m_wide ? record->*m_member.w : intOf(record));
        return;
    case FieldType::Text: {
        const QString& text = textOf(record);
        if (text.isNull())
            to.bindNull();
        else
            to.bindText(text);
        return;
    }
    case FieldType::Bool:
        to.bindInt(DBBase::boolValue(record->*m_member.b).toInt());
        return;
    case FieldType::Date:
    case FieldType::DateTime: {
        const QVariant text = m_type == FieldType::Date ? DBBase::dateValue(record->*m_member.d)
                                                        : DBBase::dateTimeValue(record->*m_member.t);
        if (text.isNull())
            to.bindNull();
        else
            to.bindText(text.toString());
        return;
    }
    case FieldType::Image: {
        const QVariant bytes = DBBase::imageValue(record->*m_member.p);
        if (bytes.isNull())
            to.bindNull();
        else
            to.bindBytes(bytes.toByteArray());
        return;
    }
    }
}

template <class At>
void DBFields::bindRow(const DBBase* record, At at) const
{
    for (std::size_t i = 0; i < size(); ++i) {
        auto to = at(i);
        if (i == 0 && record->id() < 0)
            to.bindNull();
        else
            (*this)[i].bind(to, record);
    }
}

} // namespace Vexal
