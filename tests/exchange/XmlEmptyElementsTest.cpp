#include "ExchangeTestUtil.h"
#include "FreshStateTest.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/DBSql.h"
#include "data/DBBase.h"
#include "data/DBCache.h"
#include "data/DBField.h"
#include "data/DBOptions.h"
#include "exchange/RecordKinds.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlList.h"
#include "exchange/XmlWriter.h"
#include "texts/LocaleThread.h"

#include <QImage>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace Vexal;

namespace {

constexpr int itemId = 7;
constexpr int ownerId = 3; // any other key (ProjectID)

bool isKey(const DBField& field)
{
    return field.has(DBField::Key);
}

// A value of each field unlike a new record's, as a stored row holds it.
void setOtherValues(const DBFields& fields, DBBase* record)
{
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(QColor(1, 2, 3));
    for (const DBField& field : fields) {
        switch (field.type()) {
        case FieldType::Int:
            field.setInt(record, isKey(field)                      ? (field.column() == DBSql::colID() ? itemId : ownerId)
                                 : field.has(DBField::XmlAsFlag) ? int(field.intValue(record) == 0)
                                                                 : field.intValue(record) + 5);
            break;
        case FieldType::Text:
            field.setText(record, QStringLiteral("stored ") + field.column());
            break;
        case FieldType::Bool:
            field.setBool(record, !field.boolValue(record));
            break;
        case FieldType::Date:
            field.setDate(record, QDate(2012, 3, 4));
            break;
        case FieldType::DateTime:
            field.setDateTime(record, QDateTime(QDate(2012, 3, 4), QTime(5, 6, 7)));
            break;
        case FieldType::Image:
            field.setImage(record, picture);
            break;
        }
    }
}

bool insertRow(const DBBase& record)
{
    QStringList columns;
    QVariantList values;
    for (const DBField& field : record.fields()) {
        columns << field.column();
        values << field.stored(&record);
    }
    QSqlQuery insert;
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3);")
                       .arg(record.tableName(), columns.join(QLatin1Char(',')),
                            QStringLiteral(",?").repeated(columns.size() - 1)));
    for (const QVariant& value : values)
        insert.addBindValue(value);
    return insert.exec();
}

// One item whose every element but the keys is empty, in both forms.
QByteArray emptyItem(const QString& table, const DBFields& fields)
{
    QString item;
    for (const DBField& field : fields) {
        const QString name = field.column();
        if (isKey(field))
            item += QStringLiteral("<%1>%2</%1>").arg(name).arg(name == DBSql::colID() ? itemId : ownerId);
        else
            item += (item.size() % 2 ? QStringLiteral("<%1/>") : QStringLiteral("<%1></%1>")).arg(name);
    }
    return QStringLiteral("<!DOCTYPE doc>\n<items Table=\"%1\"><item>%2</item></items>\n").arg(table, item).toUtf8();
}

bool sameValue(const DBField& field, const QVariant& a, const QVariant& b)
{
    switch (field.type()) {
    case FieldType::Image:
        return DBBase::readImage(a).convertToFormat(QImage::Format_ARGB32)
               == DBBase::readImage(b).convertToFormat(QImage::Format_ARGB32);
    case FieldType::DateTime: // "now" for a new record: taken a moment apart
        return a.isNull() == b.isNull() && qAbs(DBBase::readDateTime(a).secsTo(DBBase::readDateTime(b))) < 60;
    case FieldType::Date:
        return a.isNull() == b.isNull() && qAbs(DBBase::readDate(a).daysTo(DBBase::readDate(b))) <= 1;
    default:
        return a.toString() == b.toString();
    }
}

QString shown(const DBField& field, const QVariant& value)
{
    if (field.type() != FieldType::Image)
        return value.toString();
    const QImage image = DBBase::readImage(value);
    return image.isNull() ? QStringLiteral("no picture") : QStringLiteral("a %1x%2 picture").arg(image.width()).arg(image.height());
}

// Imports the file; then, for every field read from a file, what the stored
// row holds and what it should hold: `kept`'s value, but the empty text for
// a text other than Name and Comments.
QStringList importAndCompare(const QString& table, const QByteArray& file, const DBBase& kept)
{
    const QString path = QStringLiteral("%1.xml").arg(table);
    if (!writeBytes(path, file))
        return {QStringLiteral("%1: file not written").arg(table)};
    ThreadXmlImport job({path});
    if (!runJob(job) || !job.isSuccessful())
        return {QStringLiteral("%1: %2").arg(table, job.errorText())};
    std::unique_ptr<DBBase> stored(kept.create(nullptr));
    if (!stored->load(itemId))
        return {QStringLiteral("%1: %2").arg(table, stored->errorText())};
    QStringList wrong;
    for (const DBField& field : kept.fields()) {
        if (isKey(field) || !field.isReadFromXml())
            continue;
        const QString column = field.column();
        const bool takesEmpty =
            field.type() == FieldType::Text && column != DBSql::colName() && column != DBSql::colComments();
        const QVariant want = takesEmpty ? QVariant(QString()) : field.stored(&kept);
        const QVariant got = field.stored(stored.get());
        if (!sameValue(field, got, want))
            wrong << QStringLiteral("%1.%2: %3, not %4").arg(table, column, shown(field, got), shown(field, want));
    }
    return wrong;
}

constexpr int baseId = 11;   // the row the record base saves
constexpr int importId = 12; // the row the import stores

// What an item holds: a value in every field, the same with every text
// empty, or what a new record holds (texts unset) but its owner.
enum Values { Filled, EmptyTexts, NewRecord };

// A value in every field but the ID: `round` tells two sets apart. Texts go
// beyond ASCII (and beyond 16 bits) or are all empty.
void fill(DBBase* record, int round, Values values)
{
    if (values == NewRecord) {
        for (const DBField& field : record->fields()) {
            if (field.has(DBField::Key) && field.column() != DBSql::colID())
                field.setInt(record, 3);
        }
        return;
    }
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(QColor(round, 2, 3));
    for (const DBField& field : record->fields()) {
        switch (field.type()) {
        case FieldType::Int:
            if (field.column() != DBSql::colID())
                field.setInt(record, field.has(DBField::XmlAsFlag) ? round % 2 : 40 + round);
            break;
        case FieldType::Text:
            field.setText(record, values == EmptyTexts ? QString(QLatin1String(""))
                                             : QStringLiteral("%1 %2 \u00fc\u20ac '\" ").arg(field.column()).arg(round)
                                                   + QString::fromUcs4(U"\U0001F600"));
            break;
        case FieldType::Bool:
            field.setBool(record, round % 2 == 1);
            break;
        case FieldType::Date:
            field.setDate(record, QDate(2012, 3, 4).addDays(round));
            break;
        case FieldType::DateTime:
            field.setDateTime(record, QDateTime(QDate(2012, 3, 4), QTime(5, 6, 7)).addSecs(round));
            break;
        case FieldType::Image:
            field.setImage(record, picture);
            break;
        }
    }
}

// Each column of the row as SQLite holds it: its storage class and value.
QStringList storedRow(const QString& table, const QStringList& columns, int id)
{
    QStringList cells;
    for (const QString& column : columns) {
        QSqlQuery query;
        query.exec(QStringLiteral("SELECT typeof(%1), quote(%1) FROM %2 WHERE ID=%3;").arg(column, table).arg(id));
        cells << (query.next() ? QStringLiteral("%1 %2 %3").arg(column, query.value(0).toString(),
                                                                 query.value(1).toString())
                               : QStringLiteral("%1: no row %2").arg(column).arg(id));
    }
    return cells;
}

// Stores one item of the kind both ways, the record base under baseId and
// the import under importId, and lists the columns stored differently.
QStringList compareKind(const RecordKindEntry& kind, bool overwrite, Values values)
{
    const QString table = kind.table();
    std::unique_ptr<XmlBase> xml(kind.createXml(nullptr));
    DBBase* record = xml->record();
    if (overwrite) { // the same row under both IDs, to be overwritten
        for (const int id : {baseId, importId}) {
            xml->reset();
            fill(record, 1, Filled);
            record->setId(id);
            if (!xml->insertRecord())
                return {QStringLiteral("%1: %2").arg(table, xml->errorText())};
        }
    }
    xml->reset();
    fill(record, 2, values);
    record->setId(importId);
    XmlItem item;
    item.setTagName(ConstXML::itemTag());
    xml->write(item);

    // The record base saves what the import takes from the item.
    xml->reset();
    if ((overwrite && !xml->loadStored(baseId)) || !xml->read(item))
        return {QStringLiteral("%1: item not read").arg(table)};
    record->setId(baseId);
    if (!(overwrite ? xml->updateRecord() : xml->insertRecord()))
        return {QStringLiteral("%1: %2").arg(table, xml->errorText())};

    const QString path = table + QStringLiteral(".xml");
    XmlWriter writer(table);
    writer.writeItem(item);
    ThreadXmlImport job({path});
    if (!writeBytes(path, writer.finish().toUtf8()) || !runJob(job) || !job.isSuccessful())
        return {QStringLiteral("%1: %2").arg(table, job.errorText())};

    QStringList columns = record->columns();
    columns.removeAll(DBSql::colID());
    const QStringList saved = storedRow(table, columns, baseId);
    const QStringList imported = storedRow(table, columns, importId);
    QStringList wrong;
    for (int i = 0; i < columns.size(); ++i) {
        if (saved.at(i) != imported.at(i))
            wrong << QStringLiteral("%1: saved %2, imported %3").arg(table, saved.at(i), imported.at(i));
    }
    return wrong;
}

// Stores a row of the kind whose every column but the keys holds `literal`
// (an SQL value), and lists the elements the export writes otherwise than
// the record base reads the row (DBBase::load).
QStringList compareReads(const RecordKindEntry& kind, const QString& literal)
{
    const QString table = kind.table();
    std::unique_ptr<XmlBase> xml(kind.createXml(nullptr));
    DBBase* record = xml->record();
    xml->reset();
    record->setId(itemId);
    QStringList values;
    for (const DBField& field : record->fields()) {
        if (!isKey(field))
            values << QStringLiteral("%1 = %2").arg(field.column(), literal);
    }
    if (!insertRow(*record)
        || !TestDatabase::exec(QStringLiteral("UPDATE %1 SET %2;").arg(table, values.join(QLatin1Char(',')))))
        return {QStringLiteral("%1: not stored").arg(table)};
    XmlItem loaded;
    if (!xml->loadStored(itemId))
        return {QStringLiteral("%1: %2").arg(table, xml->errorText())};
    xml->write(loaded);
    XmlItem exported;
    XmlList list(RecordKinds::codeOfTable(table));
    if (!list.scan([&](XmlBase* row) {
            row->write(exported);
            return true;
        }))
        return {QStringLiteral("%1: %2").arg(table, list.errorText())};
    TestDatabase::exec(QStringLiteral("DELETE FROM %1;").arg(table));
    if (describeItem(exported) != describeItem(loaded))
        return {QStringLiteral("%1 with %2:\n%3\nnot\n%4").arg(table, literal, describeItem(exported), describeItem(loaded))};
    return {};
}

// The columns of a table that name another row by its ID, as the schema
// declares them: integers named "...ID" (ProjectID, WebsiteID, ...).
QStringList referenceColumns(const QString& table)
{
    QStringList columns;
    QSqlQuery info(QStringLiteral("PRAGMA table_info(%1);").arg(table));
    while (info.next()) {
        const QString column = info.value(1).toString();
        if (column != DBSql::colID() && column.endsWith(QLatin1String("ID"))
            && info.value(2).toString() == QLatin1String("INTEGER"))
            columns << column;
    }
    return columns;
}

// Imports, for each reference of the kind in turn, an item whose reference
// holds `text` and whose other references a valid ID; lists each import
// that does not refuse the item naming the element and the text, or that
// stores anything.
QStringList refusedReferences(const RecordKindEntry& kind, const QString& text)
{
    const QString table = kind.table();
    const QStringList references = referenceColumns(table);
    if (references.isEmpty())
        return {};
    const QString path = table + QStringLiteral(".xml");
    QStringList wrong;
    for (const QString& bad : references) {
        QString item = QStringLiteral("<ID>%1</ID>").arg(itemId);
        for (const QString& column : references)
            item += QStringLiteral("<%1>%2</%1>").arg(column, column == bad ? text : QString::number(ownerId));
        ThreadXmlImport job({path});
        if (!writeBytes(path, QStringLiteral("<items Table=\"%1\"><item>%2</item></items>").arg(table, item).toUtf8())
            || !runJob(job))
            return {QStringLiteral("%1: not run").arg(table)};
        if (job.errorText() != LocaleThread::keyRefused(path, 0, bad, text) || TestDatabase::rowCount(table) != 0)
            wrong << QStringLiteral("%1.%2 \"%3\": %4").arg(table, bad, text, job.errorText());
    }
    return wrong;
}

// What `check` finds wrong with each kind of the registry, with overwriting
// on or off, on a fresh database.
template <class Check>
QStringList everyKind(bool overwrite, Check check)
{
    TestDatabase db;
    DBOptions options;
    options.setOverrideOnImport(overwrite);
    DBCache::setOptions(&options);
    QStringList wrong;
    for (const RecordKindEntry& kind : RecordKinds::all())
        wrong << check(kind);
    return wrong;
}

} // namespace

// Empty elements, for every kind of the registry and every field of its
// field table: a number, flag, date, date-time or picture takes no value from
// one (a new record keeps its default, an overwritten row its stored value),
// nor do Name and Comments; every other text takes the empty text.
//
// Rows are written two ways: by the record base's save (editors, journals)
// and by the import's own statements. In every column of every kind, a record
// saved by the one and the same record imported by the other are stored
// alike: the same storage class (NULL, a number, a text, bytes), same value.
class XmlEmptyElementsTest : public FreshStateTest
{
    Q_OBJECT
private slots:
    void emptyElements_data()
    {
        addBoolRows("overwrite", "new records keep their defaults", "overwritten rows keep their values");
    }
    void emptyElements()
    {
        QFETCH(bool, overwrite);
        const QStringList wrong = everyKind(overwrite, [overwrite](const RecordKindEntry& kind) {
            std::unique_ptr<XmlBase> xml(kind.createXml(nullptr));
            std::unique_ptr<DBBase> kept(xml->record()->create(nullptr));
            if (overwrite) {
                setOtherValues(kept->fields(), kept.get());
                if (!insertRow(*kept) || !kept->load(itemId)) // as stored
                    return QStringList{kind.table() + QStringLiteral(": not stored")};
            }
            return importAndCompare(kind.table(), emptyItem(kind.table(), kept->fields()), *kept);
        });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // A reference that is given must be an ID, as the key is: a text that is
    // not a whole number, or one beyond what a table's key holds, refuses the
    // item (it would lose the row it names), in every kind.
    void referencesAreReadAsKeys_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"12abc", "9223372036854775808", "-9223372036854775809", "1e3", "0x10", "4.0"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void referencesAreReadAsKeys()
    {
        QFETCH(QString, text);
        const QStringList wrong =
            everyKind(false, [&text](const RecordKindEntry& kind) { return refusedReferences(kind, text); });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void savedAndImportedRowsAreAlike_data()
    {
        addColumns<bool, int>("overwrite", "values");
        for (const bool overwrite : {false, true}) {
            const char* const row = overwrite ? "overwritten rows" : "new rows";
            QTest::addRow("%s, values", row) << overwrite << int(Filled);
            QTest::addRow("%s, empty texts", row) << overwrite << int(EmptyTexts);
            QTest::addRow("%s, a new record's values", row) << overwrite << int(NewRecord);
        }
    }
    void savedAndImportedRowsAreAlike()
    {
        QFETCH(bool, overwrite);
        QFETCH(int, values);
        const QStringList wrong = everyKind(overwrite, [overwrite, values](const RecordKindEntry& kind) {
            return compareKind(kind, overwrite, Values(values));
        });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // The export reads its rows through SQLite's own API, the records through
    // the driver: every storage class in every column reads the same.
    void exportReadsRowsAsRecordsDo_data()
    {
        // Each row is named by its SQL literal: NULL, texts (empty, plain,
        // beyond ASCII, no UTF-8, with a NUL), integers (within and beyond 32
        // bits), a real, bytes and stored date-times.
        QTest::addColumn<QString>("literal");
        for (const char* literal : {"NULL", "''", "'plain text'", "'Z\u00fcrich \u2013 \U0001F600'",
                                    "CAST(X'4180C3FFE28242' AS TEXT)", "CAST(X'410042' AS TEXT)", "-7", "9999999999",
                                    "2.5", "X'00FF41'", "'2024-02-29T06:07:08'", "'2024-03-10 12:34:56.789'"})
            QTest::newRow(literal) << QString::fromUtf8(literal);
    }
    void exportReadsRowsAsRecordsDo()
    {
        QFETCH(QString, literal);
        const QStringList wrong =
            everyKind(false, [&literal](const RecordKindEntry& kind) { return compareReads(kind, literal); });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

TESVAR_TEST(XmlEmptyElementsTest)
#include "XmlEmptyElementsTest.moc"
