#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/DBSql.h"
#include "data/DBBase.h"
#include "data/DBCache.h"
#include "data/DBField.h"
#include "data/DBOptions.h"
#include "exchange/RecordKinds.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/XmlBase.h"

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

} // namespace

// Empty elements, for every kind of the registry and every field of its
// field table: a number, flag, date, date-time or picture takes no value from
// one (a new record keeps its default, an overwritten row its stored value),
// nor do Name and Comments; every other text takes the empty text.
class XmlEmptyElementsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { DBCache::reset(); }
    void cleanup() { DBCache::reset(); }

    void emptyElements_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("new records keep their defaults") << false;
        QTest::newRow("overwritten rows keep their values") << true;
    }
    void emptyElements()
    {
        QFETCH(bool, overwrite);
        TestDatabase db;
        DBOptions options;
        options.setOverrideOnImport(overwrite);
        DBCache::setOptions(&options);
        QStringList wrong;
        for (const RecordKindEntry& kind : RecordKinds::all()) {
            std::unique_ptr<XmlBase> xml(kind.createXml(nullptr));
            std::unique_ptr<DBBase> kept(xml->record()->create(nullptr));
            if (overwrite) {
                setOtherValues(kept->fields(), kept.get());
                QVERIFY2(insertRow(*kept), qPrintable(kind.table()));
                QVERIFY(kept->load(itemId)); // as stored
            }
            wrong << importAndCompare(kind.table(), emptyItem(kind.table(), kept->fields()), *kept);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

TESVAR_TEST(XmlEmptyElementsTest)
#include "XmlEmptyElementsTest.moc"
