#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/Convert.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "core/DBSql.h"
#include "exchange/RecordKinds.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "data/DBProject.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlList.h"
#include "exchange/XmlReader.h"
#include "exchange/XmlRecord.h"
#include "exchange/XmlWriter.h"
#include "texts/LocaleThread.h"

#include <QDir>
#include <QDomDocument>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using namespace Vexal;

namespace {

QString importError(const QString& path)
{
    ThreadXmlImport job({path});
    if (!runJob(job))
        return QStringLiteral("timeout");
    return job.errorText();
}

QString projectName(int id)
{
    return TestDatabase::value(QStringLiteral("SELECT Name FROM Project WHERE ID=%1;").arg(id)).toString();
}

// A project saved through its own insert, as a kind without an insert text
// of its own is; the insert stores over a row of the same ID, as such a
// kind's could.
class OwnInsertProject : public DBProject
{
public:
    QString insertText() const override { return QString(); }
    DBBase* create(QObject* parent) const override
    {
        auto* record = new OwnInsertProject;
        record->setParent(parent);
        return record;
    }
    bool insertRow() override
    {
        QVariant newId;
        if (!execBound(
                DBProject::insertText().replace(QLatin1String("INSERT INTO"), QLatin1String("INSERT OR REPLACE INTO")),
                &newId))
            return false;
        setId(newId.toLongLong());
        markClean();
        return true;
    }
};

// An import whose projects are saved through their own insert.
class OwnInsertImport : public ThreadXmlImport
{
public:
    using ThreadXmlImport::ThreadXmlImport;
    XmlBase* createXml(const QString&, QObject* parent) const override
    {
        return new XmlRecord<OwnInsertProject>(new OwnInsertProject, parent);
    }
};

// One row with a value in every column (ID 5) and one with only an ID (6).
bool seedRows(const QString& table)
{
    QSqlQuery info(QStringLiteral("PRAGMA table_info(%1);").arg(table));
    QStringList columns;
    QVariantList values;
    while (info.next()) {
        const QString column = info.value(1).toString();
        const QString type = info.value(2).toString();
        columns << column;
        if (column == QLatin1String("ID")) {
            values << 5;
        } else if (type == QLatin1String("BLOB")) {
            QImage image(2, 2, QImage::Format_ARGB32);
            image.fill(QColor(9, 8, 7));
            values << Convert::imageToBytes(image);
        } else if (type == QLatin1String("INTEGER")) {
            values << columns.size();
        } else if (column.contains(QLatin1String("Date")) || column == QLatin1String("Birthday")) {
            values << QStringLiteral("2012-03-04T05:06:07");
        } else {
            values << QStringLiteral("%1 <&> ]]> \u00fc\r\n").arg(column);
        }
    }
    QSqlQuery insert;
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3);")
                       .arg(table, columns.join(QLatin1Char(',')), QStringLiteral(",?").repeated(columns.size() - 1)));
    for (const QVariant& value : values)
        insert.addBindValue(value);
    return insert.exec() && QSqlQuery().exec(QStringLiteral("INSERT INTO %1 (ID) VALUES (6);").arg(table));
}

// An empty exchange document as a DOM tree, the independent writer the
// streamed files are compared with.
QDomDocument domDocument(const QString& table)
{
    QDomDocument document(ConstXML::docName());
    QDomElement root = document.createElement(ConstXML::itemsTag());
    root.setAttribute(ConstXML::tableAttribute(), table);
    document.appendChild(root);
    return document;
}

// Appends the item to the document's root: an element holding one text
// node per field.
void appendDom(QDomDocument& document, const XmlItem& item)
{
    QDomElement element = document.createElement(ConstXML::itemTag());
    for (const XmlItem::Child& child : item.children()) {
        QDomElement field = document.createElement(child.name);
        field.appendChild(document.createTextNode(child.text));
        element.appendChild(field);
    }
    document.documentElement().appendChild(element);
}

} // namespace

// The export writes and the import reads files without a document tree; these
// check that both agree with the DOM on every text they take.
class XmlStreamingTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { DBCache::reset(); }

    void writerMatchesTheDom()
    {
        const QStringList values = {QString(), QStringLiteral(" "), QStringLiteral("a b"), QStringLiteral("<&>\"'"),
                                    QStringLiteral("]]>"), QStringLiteral("x]>]]>y]]"), QStringLiteral("x\ry\nz\tw"),
                                    QString::fromUcs4(U"\U0001F600"), QStringLiteral("\u00a0\u00fc\u20ac"),
                                    // long runs of the longest escapes: a text that takes the most room
                                    QString(5000, QLatin1Char('&')), QString(5000, QLatin1Char('\r')),
                                    QStringLiteral("]]>").repeated(2000),
                                    // escapes and surrogates after runs that need none, at every place of a run
                                    QStringLiteral("0123456789abcdef]]>0123456<7&\r\n\t9 ]]]> 2024.01.02 http://x/?a=1"),
                                    QStringLiteral("01234567\u00fc\u20ac") + QString::fromUcs4(U"\U0001F600")
                                        + QStringLiteral("abcdefg") + QString::fromUcs4(U"\U0001F600")};
        for (const QString& table : {QStringLiteral("Project"), QStringLiteral("a\"b<c&d]]>\te\nf\rg")}) {
            QDomDocument document = domDocument(table);
            QCOMPARE(XmlWriter(table).finish(), document.toString(1)); // no items

            XmlWriter writer(table);
            for (const QString& value : values) {
                XmlItem item;
                XmlBase::appendInt(item, QStringLiteral("ID"), 7);
                XmlBase::appendText(item, QStringLiteral("V"), value);
                writer.writeItem(item);
                appendDom(document, item);
            }
            QCOMPARE(writer.finish(), document.toString(1));
        }
    }

    // What XML 1.0 cannot carry at all is left out, so that the file stays
    // well-formed; each value that lost characters is counted.
    void writerLeavesOutWhatXmlCannotCarry()
    {
        XmlWriter writer(QStringLiteral("Project"));
        XmlItem item;
        XmlBase::appendInt(item, QStringLiteral("ID"), 7);
        XmlBase::appendText(item, QStringLiteral("A"), QStringLiteral("a") + QChar(0) + QChar(1) + QStringLiteral("b\tc"));
        XmlBase::appendText(item, QStringLiteral("B"), QString(QChar(0xD800)) + QStringLiteral("x") + QChar(0xDC00)
                                                            + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0x1F));
        XmlBase::appendText(item, QStringLiteral("C"), QString::fromUcs4(U"\U0001F600\u00fc"));
        QVERIFY(writer.writeItem(item));
        const QString text = writer.finish();
        QCOMPARE(writer.droppedValues(), 2);
        QCOMPARE(writer.firstDroppedItem(), QStringLiteral("7"));
        QCOMPARE(writer.firstDroppedElement(), QStringLiteral("A"));
        QVERIFY2(text.contains(QStringLiteral("<A>ab\tc</A>")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("<B>x</B>")));
        QVERIFY(text.contains(QString::fromUcs4(U"<C>\U0001F600\u00fc</C>")));
        QDomDocument document;
        QVERIFY(document.setContent(text));
    }

    // The streamed export of every kind is the text of the DOM document built
    // from the loaded list, as the file was written before.
    void exportMatchesTheDomOfTheList()
    {
        TestDatabase db;
        QTemporaryDir folder;
        for (int code = kindCode(firstRecordKind); code <= kindCode(lastRecordKind); ++code) {
            const QString table = RecordKinds::tableOf(code);
            QVERIFY2(seedRows(table), qPrintable(table));
            XmlList list(code);
            QVERIFY(list.load());
            QCOMPARE(list.count(), 2);
            QDomDocument document = domDocument(list.tableName());
            for (int i = 0; i < list.count(); ++i) {
                XmlItem item;
                list.at(i)->write(item);
                appendDom(document, item);
            }

            ThreadXmlExport job(code, folder.path());
            QVERIFY(runJob(job));
            QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
            const QByteArray written = readBytes(folder.filePath(list.fileName() + QStringLiteral(".xml")));
            QCOMPARE(QString::fromUtf8(written), document.toString(1));
        }
    }

    // Anything a file could use to exhaust the program, and anything not
    // well-formed, is refused where it stands: nothing after it is read.
    void readerRefusesAtOnce_data()
    {
        addColumns<QByteArray, QString>("bytes", "error");
        const QByteArray head = "<items Table=\"Project\"><item><ID>1</ID><Name>ok</Name></item><item><ID>2</ID>";
        const QByteArray tail = QByteArray(200000, ' ') + "</item></items>";
        QTest::newRow("nested in a field") << head + "<Name>" + QByteArray("<b>").repeated(40000) + tail
                                          << "elements nested deeper than the format allows";
        QTest::newRow("nested items") << "<items Table=\"Project\">" + QByteArray("<item>").repeated(40000) + tail
                                      << "elements nested deeper than the format allows";
        QTest::newRow("entity declaration")
            << "<!DOCTYPE doc [<!ENTITY a \"" + QByteArray(100000, 'a') + "\">]>" + head + "<Name>&a;&a;</Name>" + tail
            << "entity declarations are not supported";
        QTest::newRow("declarations") << "<!DOCTYPE doc [<!ELEMENT doc ANY>]>" + head + tail
                                      << "declarations in the document type are not supported";
        QByteArray attributes;
        for (int i = 0; i < 100000; ++i)
            attributes += " a" + QByteArray::number(i) + "=\"x\"";
        QTest::newRow("attributes") << "<items Table=\"Project\"" + attributes + ">" + tail
                                    << "more attributes than the format allows";
        QTest::newRow("duplicate Table") << QByteArray("<items Table=\"Project\" Table=\"Word\"></items>")
                                         << "attribute given twice";
        QTest::newRow("undefined entity") << head + "<Name>a&nbsp;b</Name>" + tail << "undefined entity";
        QTest::newRow("surrogate reference") << head + "<Name>a&#xD800;b</Name>" + tail
                                             << "reference to a character that XML cannot carry";
        QTest::newRow("NUL reference") << head + "<Name>&#0;</Name>" + tail
                                       << "reference to a character that XML cannot carry";
        QTest::newRow("huge reference") << head + "<Name>&#x110000;</Name>" + tail
                                        << "reference to a character that XML cannot carry";
        QTest::newRow("huge reference behind zeros") << head + "<Name>&#x00000000110000;</Name>" + tail
                                                     << "reference to a character that XML cannot carry";
        QTest::newRow("reference cut by a space") << head + "<Name>&#x4 1;</Name>" + tail << "undefined entity";
        QTest::newRow("markup in a field") << head + "<Name>a<b>c</b></Name>" + tail
                                           << "elements nested deeper than the format allows";
        QTest::newRow("control character") << head + "<Name>a\x01</Name>" + tail << "character not allowed in XML";
        QTest::newRow("mismatch") << head + "<Name>a</name>" + tail << "opening and ending tag mismatch";
        // Names are compared whole: a name is not taken for a longer one
        // that starts with it, nor the other way round.
        QTest::newRow("end tag longer") << head + "<Title>a</TitleFinal>" + tail << "opening and ending tag mismatch";
        QTest::newRow("end tag shorter") << head + "<TitleFinal>a</Title>" + tail << "opening and ending tag mismatch";
        QTest::newRow("declaration without version")
            << "<?xml encoding=\"UTF-8\"?>" + head + tail << "invalid XML declaration";
        QTest::newRow("declaration of another version")
            << "<?xml version=\"2.0\"?>" + head + tail << "invalid XML declaration";
        QTest::newRow("]]> in text") << head + "<Name>]]></Name>" + tail << "\"]]>\" in character data";
        QTest::newRow("< in attribute") << QByteArray("<items Table=\"a<b\"></items>") << "unexpected character";
        QTest::newRow("text in the root") << QByteArray("<items Table=\"Project\"></items>x") + tail
                                          << "extra content at the end of the document";
        QTest::newRow("unclosed") << head << "unexpected end of file";
    }
    void readerRefusesAtOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        XmlSource source;
        source.setBytes(bytes, false);
        XmlReader reader(&source);
        XmlItem item;
        XmlReader::Result result = reader.open() ? XmlReader::Item : XmlReader::Error;
        int items = 0;
        while (result == XmlReader::Item) {
            result = reader.next(&item);
            items += result == XmlReader::Item;
        }
        QCOMPARE(result, XmlReader::Error);
        QCOMPARE(reader.errorText(), error);
        QVERIFY(items <= 1);
        // Refused where it stands: on the first line, well before its end.
        QCOMPARE(reader.line(), 1);
        QVERIFY2(reader.column() < 200000 || error == QLatin1String("unexpected end of file"),
                 qPrintable(QString::number(reader.column())));
    }

    // Malformed files are refused whole by the import too: the items before
    // the fault are not kept.
    void hostileFilesLeaveTheDatabaseAlone()
    {
        TestDatabase db;
        const QString path = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(path, "<items Table=\"Project\"><item><ID>1</ID><Name>ok</Name></item><item><ID>2</ID>"
                                 "<Name>" + QByteArray("<b>").repeated(40000) + "</Name></item></items>"));
        QVERIFY(importError(path).startsWith(QStringLiteral("Failed to parse a file. File: %1, error: ").arg(path)));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 0);
    }

    // The fuzz corpus of the import holds the hostile files found so far:
    // each ends as it should, and a refused file leaves nothing behind.
    void corpusFilesEndAsExpected()
    {
        const QDir corpus(QStringLiteral(TESVAR_SOURCE_DIR "/fuzz/corpus/xml_import"));
        const QStringList good = {QStringLiteral("plain-export.xml"), QStringLiteral("cdata-and-crlf.xml"),
                                  QStringLiteral("legacy-encoding.xml"), QStringLiteral("icon-bomb.xml")};
        const QStringList files = corpus.entryList({QStringLiteral("*.xml")}, QDir::Files);
        QVERIFY(files.size() >= 10);
        for (const QString& name : files) {
            TestDatabase db;
            ThreadXmlImport job({corpus.filePath(name)});
            QVERIFY(runJob(job));
            QCOMPARE(job.isSuccessful(), job.errorText().isEmpty());
            QVERIFY2(job.isSuccessful() == good.contains(name), qPrintable(name + QLatin1String(": ") + job.errorText()));
            const int rows = TestDatabase::rowCount(DBSql::tableProject()) + TestDatabase::rowCount(DBSql::tableBookmark());
            QVERIFY2(job.isSuccessful() ? rows > 0 : rows == 0, qPrintable(name));
        }
        // The icon bomb's item is stored with a new bookmark's small icon.
        TestDatabase db;
        ThreadXmlImport job({corpus.filePath(QStringLiteral("icon-bomb.xml"))});
        QVERIFY(runJob(job) && job.isSuccessful());
        QVERIFY(TestDatabase::value(QStringLiteral("SELECT length(Icon) FROM Bookmark WHERE ID=1;")).toInt() < 4096);
    }

    // Statements are prepared once per file: every overwritten row still gets
    // its own stored values for what its item lacks.
    void overwritesRowByRow()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Comments, Active, URL) VALUES "
                                                  "(1, 'one', 'c1', 1, 'u1'), (2, 'two', 'c2', 0, 'u2'), "
                                                  "(3, 'three', 'c3', 0, 'u3');")));
        DBOptions options;
        options.setOverrideOnImport(true);
        DBCache::setOptions(&options);
        const QString path = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(path, "<items Table=\"Project\"><item><ID>2</ID><URL>new2</URL></item>"
                                 "<item><ID>1</ID><Comments>new1</Comments></item>"
                                 "<item><ID>3</ID><Name>neu</Name><URL/></item>"
                                 // New rows after a full one take nothing of it.
                                 "<item><ID>4</ID><Name>four</Name><Comments>c4</Comments><URL>u4</URL></item>"
                                 "<item><ID>5</ID><Name>five</Name></item></items>"));
        QCOMPARE(importError(path), QString());
        QSqlQuery rows(QStringLiteral("SELECT ID, Name, Comments, Active, URL FROM Project ORDER BY ID;"));
        QStringList values;
        while (rows.next())
            values << QStringLiteral("%1 %2 %3 %4 %5").arg(rows.value(0).toString(), rows.value(1).toString(),
                                                          rows.value(2).toString(), rows.value(3).toString(),
                                                          rows.value(4).toString());
        QCOMPARE(values, QStringList({QStringLiteral("1 one new1 1 u1"), QStringLiteral("2 two c2 0 new2"),
                                      QStringLiteral("3 neu c3 0 "), QStringLiteral("4 four c4 0 u4"),
                                      QStringLiteral("5 five  0 ") + DBProject().url()}));
    }

    // IDs given out or taken earlier in the same file, and IDs the table
    // holds, count as stored: an item that brings one is refused, also for
    // a kind saved through its own insert, which may store over a row.
    void idsOfTheSameFile_data()
    {
        addColumns<bool, QByteArray, int, qint64, QString>("ownInsert", "items", "clashNode", "clashId", "names");
        for (const bool own : {false, true}) {
            const char* way = own ? ", the kind's own insert" : "";
            QTest::newRow(qPrintable(QStringLiteral("a new ID given out, then brought%1").arg(way)))
                << own
                << QByteArray("<item><ID>-1</ID><Name>fresh</Name></item><item><ID>10</ID><Name>again</Name></item>")
                << 1 << qint64(10) << "";
            QTest::newRow(qPrintable(QStringLiteral("one ID twice%1").arg(way)))
                << own << QByteArray("<item><ID>5</ID><Name>a</Name></item><item><ID>5</ID><Name>b</Name></item>") << 1
                << qint64(5) << "";
            QTest::newRow(qPrintable(QStringLiteral("an ID the table holds%1").arg(way)))
                << own << QByteArray("<item><ID>8</ID><Name>a</Name></item><item><ID>9</ID><Name>b</Name></item>") << 1
                << qint64(9) << "";
            QTest::newRow(qPrintable(QStringLiteral("stored, deleted, stored again%1").arg(way)))
                << own
                << QByteArray("<item><ID>5</ID><Name>a</Name></item><item><ID>5</ID><XDelete>1</XDelete></item>"
                              "<item><ID>5</ID><Name>b</Name></item><item><ID>-1</ID><Name>c</Name></item>")
                << -1 << qint64(0) << "5 b, 9 stored, 10 c";
        }
    }
    void idsOfTheSameFile()
    {
        QFETCH(bool, ownInsert);
        QFETCH(QByteArray, items);
        QFETCH(int, clashNode);
        QFETCH(qint64, clashId);
        QFETCH(QString, names);
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (9, 'stored');")));
        const QString path = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(path, "<items Table=\"Project\">" + items + "</items>"));
        std::unique_ptr<ThreadXmlImport> job(ownInsert ? new OwnInsertImport({path}) : new ThreadXmlImport({path}));
        QVERIFY(runJob(*job));
        QCOMPARE(job->errorText(),
                 clashNode < 0 ? QString() : LocaleThread::cannotOverrideItem(path, clashNode, clashId));
        QStringList stored;
        QSqlQuery rows(QStringLiteral("SELECT ID, Name FROM Project ORDER BY ID;"));
        while (rows.next())
            stored << rows.value(0).toString() + QLatin1Char(' ') + rows.value(1).toString();
        QCOMPARE(stored.join(QStringLiteral(", ")), clashNode < 0 ? names : QStringLiteral("9 stored"));
    }
};

TESVAR_TEST(XmlStreamingTest)
#include "XmlStreamingTest.moc"
