#pragma once

#include "exchange/XmlItem.h"

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <climits>
#include <memory>
#include <vector>

class QSqlQuery;

namespace Vexal {

class DBBase;
class DBField;
class SqlStatement;

// One record as one "item" of an XML exchange file, and back: an element per
// exchanged field of the record's field table, named after its column, in
// column order. XmlRecord owns one record of its kind (a QObject child). Values are written in their text forms:
// integers in decimal, flags "1"/"0", dates "yyyy.MM.dd", date-times
// "yyyy.MM.dd.hh.mm.ss" (local time), images as Base64 PNG.
//
// Reading follows one rule for every field of every kind: an element that is
// missing, or empty, or whose text does not convert (its name is then kept in
// malformedElements()), leaves the record's value. Only a text takes an empty
// element, as the empty text; Name and Comments do not take one either. On a
// new record "the record's value" is the kind's default; on an overwritten row
// it is the stored value. IDs are the exception: the keys (ID, ProjectID) must
// hold a number a table's key can hold (SQLite's: signed 64-bit), and every
// other field that holds an ID (a reference to a row: WebsiteID, CategoryID,
// ...) may be missing or empty but, when given, must hold one too. Otherwise
// the item is refused, and refusedKey() names the element and its text.
class XmlBase : public QObject
{
    Q_OBJECT
public:
    explicit XmlBase(QObject* parent = nullptr);
    ~XmlBase() override;

    DBBase* record() const { return m_record; }

    virtual void bindValues(QSqlQuery& query);
    virtual void readValues(const QSqlQuery& query);
    // The row the statement stands on, read as readValues(QSqlQuery) reads it.
    void readValues(const SqlStatement& row);
    // Appends the record's columns to the item (one child element each).
    virtual void write(XmlItem& item);
    // Applies the item to the record; false when the item is refused.
    virtual bool read(const XmlItem& item);
    virtual QString tableName() const;
    virtual QString displayName() const;
    virtual QString columnsText() const;

    static void appendText(XmlItem& item, const QString& name, const QString& value);
    static void appendInt(XmlItem& item, const QString& name, qint64 value);
    static void appendBool(XmlItem& item, const QString& name, bool value);
    static void appendDate(XmlItem& item, const QString& name, const QDate& value);
    static void appendDateTime(XmlItem& item, const QString& name, const QDateTime& value);
    static void appendPixmap(XmlItem& item, const QString& name, const QImage& value);

    // The value of the first child node of the first child element named
    // exactly `name` that has child nodes; "" when there is none.
    static QString childText(const XmlItem& element, const QString& name);
    // Whether the element has a child element named exactly `name`.
    static bool hasElement(const XmlItem& element, const QString& name);

    // Readers: *ok is set false first and true when the element gave a value.
    // A key is required: *ok is true only for a number. An integer that an
    // int cannot hold is malformed.
    qint64 readKey(const XmlItem& element, const QString& name, bool* ok);
    bool readText(const XmlItem& element, const QString& name, QString* value);
    int readInt(const XmlItem& element, const QString& name, bool* ok);
    bool readBool(const XmlItem& element, const QString& name, bool* ok);
    QDate readDate(const XmlItem& element, const QString& name, bool* ok);
    QDateTime readDateTime(const XmlItem& element, const QString& name, bool* ok);
    QImage readPixmap(const XmlItem& element, const QString& name, bool* ok);

    // The largest icon side read from a file, in pixels.
    static constexpr int maxIconSide = 256;

    // Text forms of the values.
    static QString dateText(const QDate& date);
    static QString dateTimeText(const QDateTime& dateTime);
    static QString imageText(const QImage& image);

    qint64 id() const;
    QString errorText() const;
    bool deleteMark() const;

    // Makes the record a new one of its kind again, to read the next item.
    void reset();
    // Loads the stored row with this id into the record before read().
    bool loadStored(qint64 id);
    bool insertRecord();
    bool updateRecord();
    bool deleteRecord();

    // Whether the last read() gave field i (in the order of the record's
    // field table) a value; the others kept theirs.
    bool isGiven(std::size_t field) const { return field < m_given.size() && m_given[field]; }
    // Elements of the last reads whose non-empty text did not convert.
    const QStringList& malformedElements() const { return m_malformed; }
    // The key element that made the last read() refuse its item, and its
    // text; empty names when no key did.
    const QString& refusedKey() const { return m_refusedKey; }
    const QString& refusedKeyText() const { return m_refusedKeyText; }

protected:
    void setRecord(DBBase* record);

private:
    void writeField(XmlItem& item, const DBField& field);
    enum class Outcome { Given, Kept, Refused };
    // Field i from its element (see locate); refused only for an ID that is
    // not a number a key holds.
    Outcome readField(std::size_t i, const DBField& field);
    void locate(const XmlItem& item);
    const QString* elementText(std::size_t i) const;
    void noteMalformed(const QString& name, const QString& text, bool ok);
    // The readers' conversions of an element's text (null: no element).
    qint64 keyFrom(const QString& text, const QString& name, bool* ok);
    // An integer within minimum to maximum (an int's range unless given);
    // one beyond is malformed.
    qint64 intFrom(const QString* text, const QString& name, bool* ok, qint64 minimum = INT_MIN,
                   qint64 maximum = INT_MAX);
    QDate dateFrom(const QString* text, const QString& name, bool* ok);
    QDateTime dateTimeFrom(const QString* text, const QString& name, bool* ok);
    QImage pixmapFrom(const QString* text, const QString& name, bool* ok);

    DBBase* m_record = nullptr;
    // A new record of the kind, what reset() goes back to.
    std::unique_ptr<DBBase> m_fresh;
    QStringList m_malformed;
    QString m_refusedKey;
    QString m_refusedKeyText;
    std::vector<unsigned char> m_given;
    // The element name of each field, and "XDelete" last, read every item:
    // asked of the catalogue once.
    std::vector<QString> m_names;
    // Per name of the last item read: whether it has such an element, and
    // the text of the first such child that has one.
    std::vector<unsigned char> m_present;
    std::vector<const QString*> m_valued;
    // Per name: the reader's copy of it that matched last.
    std::vector<QString> m_matched;
    // Per field: an empty element gives it no value, not even as a text
    // (Name and Comments).
    std::vector<bool> m_skipsEmpty;
};

} // namespace Vexal
