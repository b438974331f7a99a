#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Convert.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "core/DBSql.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlList.h"
#include "exchange/XmlReader.h"
#include "exchange/XmlWriter.h"
#include "texts/LocaleThread.h"

#include <QDomDocument>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Vexal;

namespace {

QString describe(const XmlItem& item)
{
    QStringList lines{item.tagName()};
    for (const XmlItem::Child& child : item.children())
        lines << QStringLiteral("%1|%2|%3|%4")
                     .arg(child.name, child.text)
                     .arg(child.isElement)
                     .arg(child.hasChildNodes);
    return lines.join(QLatin1Char('\n'));
}

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
                                    QString(QChar(1)), QString(QChar(0xFFFE)), QString::fromUcs4(U"\U0001F600"),
                                    QString(QChar(0xD800)) + QStringLiteral("a") + QString(QChar(0xDC00)),
                                    QStringLiteral("\u00a0\u00fc\u20ac")};
        for (const QString& table : {QStringLiteral("Project"), QStringLiteral("a\"b<c&d]]>\te\nf\rg")}) {
            QDomDocument document(ConstXML::docName());
            QDomElement root = document.createElement(ConstXML::itemsTag());
            root.setAttribute(ConstXML::tableAttribute(), table);
            document.appendChild(root);
            QCOMPARE(XmlWriter(table).finish(), document.toString(1)); // no items

            XmlWriter writer(table);
            for (const QString& value : values) {
                XmlItem item;
                XmlBase::appendInt(item, QStringLiteral("ID"), 7);
                XmlBase::appendText(item, QStringLiteral("V"), value);
                writer.writeItem(item);
                QDomElement element = document.createElement(ConstXML::itemTag());
                XmlBase::appendInt(document, element, QStringLiteral("ID"), 7);
                XmlBase::appendText(document, element, QStringLiteral("V"), value);
                root.appendChild(element);
            }
            QCOMPARE(writer.finish(), document.toString(1));
        }
    }

    // The streamed export of every kind is the text of the DOM document built
    // from the loaded list, as the file was written before.
    void exportMatchesTheDomOfTheList()
    {
        TestDatabase db;
        QTemporaryDir folder;
        for (int code = XmlList::CodeFirst; code <= XmlList::CodeLast; ++code) {
            const QString table = XmlList::tableOfCode(code);
            QVERIFY2(seedRows(table), qPrintable(table));
            XmlList list(code);
            QVERIFY(list.load());
            QCOMPARE(list.count(), 2);
            QDomDocument document(ConstXML::docName());
            QDomElement root = document.createElement(ConstXML::itemsTag());
            root.setAttribute(ConstXML::tableAttribute(), list.tableName());
            document.appendChild(root);
            for (int i = 0; i < list.count(); ++i) {
                QDomElement item = document.createElement(ConstXML::itemTag());
                list.at(i)->write(document, item);
                root.appendChild(item);
            }

            ThreadXmlExport job(code, folder.path());
            QVERIFY(runJob(job));
            QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
            const QByteArray written = readBytes(folder.filePath(list.fileName() + QStringLiteral(".xml")));
            QCOMPARE(QString::fromUtf8(written), document.toString(1));
        }
    }

    void readerAgreesWithTheDom_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("streamed");
        const QString items = QStringLiteral(
            "<item><ID>1</ID><Name>a &amp; b &lt;c&gt; &quot;&apos;&#65;&#x42;&#xd;</Name><Comments/>"
            "<URL></URL><Blank> \n\t</Blank><Space>&#32;&#xa0;</Space></item>\n <Item a=\"1\" b='2'/>"
            "<item ><ID >-1</ID ><Name x=\"&lt;\">\u00fc\u20ac\U0001F600 ]> ]]</Name></item >");
        // One project item in the root.
        const auto project = [](const char* item) {
            return QStringLiteral("<items Table=\"Project\"><item>%1</item></items>").arg(QString::fromUtf8(item));
        };
        QTest::newRow("export form") << QStringLiteral("<!DOCTYPE doc>\n<items Table=\"Project\">\n%1\n</items>\n")
                                            .arg(items)
                                     << true;
        QTest::newRow("declaration")
            << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ITEMS Table='Word'>%1</ITEMS>").arg(items)
            << true;
        QTest::newRow("no items") << QStringLiteral("<items Table=\"Project\"/>") << true;
        QTest::newRow("comment") << QStringLiteral("<items Table=\"Project\"><!-- c -->%1</items>").arg(items) << false;
        QTest::newRow("carriage return") << QStringLiteral("<items Table=\"Project\">\r\n%1</items>").arg(items) << false;
        QTest::newRow("CDATA") << project("<ID><![CDATA[1]]></ID>") << false;
        QTest::newRow("nested") << project("<ID><b>1</b></ID>") << false;
        QTest::newRow("text in item") << project("x<ID>1</ID>") << false;
        QTest::newRow("beyond BMP") << project("<ID>&#x1F600;</ID>") << false;
        QTest::newRow("control") << project("<ID>\x01</ID>") << false;
        QTest::newRow("mismatch") << project("<ID>1</Id>") << false;
        QTest::newRow("bad reference") << project("<ID>&amp</ID>") << false;
        QTest::newRow("]]> in text") << project("<ID>]]></ID>") << false;
        QTest::newRow("internal subset")
            << QStringLiteral("<!DOCTYPE doc [<!ENTITY e \"x\">]><items Table=\"Project\"><item><ID>&e;</ID></item></items>")
            << false;
        QTest::newRow("duplicate attribute") << QStringLiteral("<items Table=\"A\" Table=\"B\"/>") << false;
        QTest::newRow("after root") << QStringLiteral("<items Table=\"Project\"/><x/>") << false;
    }
    void readerAgreesWithTheDom()
    {
        QFETCH(QString, text);
        QFETCH(bool, streamed);
        XmlReader reader;
        QCOMPARE(reader.read(text), streamed);
        if (!streamed)
            return;
        QDomDocument document;
        QVERIFY(document.setContent(text));
        const QDomElement root = document.documentElement();
        QCOMPARE(reader.rootName(), root.nodeName());
        QCOMPARE(reader.hasTable(), root.hasAttribute(ConstXML::tableAttribute()));
        QCOMPARE(reader.table(), root.attribute(ConstXML::tableAttribute()));
        QCOMPARE(reader.count(), root.childNodes().count());
        XmlItem item;
        int node = 0;
        for (QDomNode child = root.firstChild(); !child.isNull(); child = child.nextSibling(), ++node) {
            QVERIFY(reader.item(node, &item));
            QCOMPARE(describe(item), describe(XmlItem(child.toElement())));
        }
        QVERIFY(!reader.item(node, &item));
    }

    // Files the streaming reader leaves to the DOM import the same.
    void bothReadersImportAlike()
    {
        TestDatabase db;
        const QByteArray items = "<item><ID>3</ID><Name>T\xc3\xbc &amp; x</Name><URL>u</URL></item>"
                                 "<item><ID>4</ID><Name>second</Name></item>";
        const QString streamed = db.file(QStringLiteral("streamed.xml"));
        QVERIFY(writeBytes(streamed, "<items Table=\"Project\">\n" + items + "\n</items>\n"));
        QCOMPARE(importError(streamed), QString());
        const QString first = projectName(3) + QLatin1Char('/') + projectName(4);
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Project;")));

        const QString dom = db.file(QStringLiteral("dom.xml"));
        QVERIFY(writeBytes(dom, "<!-- by hand -->\r\n<items Table=\"Project\">\r\n" + items + "\r\n</items>\r\n"));
        QCOMPARE(importError(dom), QString());
        QCOMPARE(projectName(3) + QLatin1Char('/') + projectName(4), first);
        QCOMPARE(first, QStringLiteral("T\u00fc & x/second"));
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
                                 "<item><ID>3</ID><Name>neu</Name><URL/></item></items>"));
        QCOMPARE(importError(path), QString());
        QSqlQuery rows(QStringLiteral("SELECT ID, Name, Comments, Active, URL FROM Project ORDER BY ID;"));
        QStringList values;
        while (rows.next())
            values << QStringLiteral("%1 %2 %3 %4 %5").arg(rows.value(0).toString(), rows.value(1).toString(),
                                                          rows.value(2).toString(), rows.value(3).toString(),
                                                          rows.value(4).toString());
        QCOMPARE(values, QStringList({QStringLiteral("1 one new1 1 u1"), QStringLiteral("2 two c2 0 new2"),
                                      QStringLiteral("3 neu c3 0 ")}));
    }

    // IDs given out or taken earlier in the same file count as stored.
    void idsOfTheSameFile()
    {
        TestDatabase db;
        const QString path = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(path, "<items Table=\"Project\"><item><ID>-1</ID><Name>fresh</Name></item>"
                                 "<item><ID>1</ID><Name>again</Name></item></items>"));
        QCOMPARE(importError(path), LocaleThread::cannotOverrideItem(path, 1, 1));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 0);

        QVERIFY(writeBytes(path, "<items Table=\"Project\"><item><ID>5</ID></item><item><ID>5</ID></item></items>"));
        QCOMPARE(importError(path), LocaleThread::cannotOverrideItem(path, 1, 5));

        QVERIFY(writeBytes(path, "<items Table=\"Project\"><item><ID>5</ID><Name>a</Name></item>"
                                 "<item><ID>5</ID><XDelete>1</XDelete></item>"
                                 "<item><ID>5</ID><Name>b</Name></item><item><ID>-1</ID><Name>c</Name></item></items>"));
        QCOMPARE(importError(path), QString());
        QCOMPARE(projectName(5), QStringLiteral("b"));
        QCOMPARE(projectName(6), QStringLiteral("c"));
    }
};

TESVAR_TEST(XmlStreamingTest)
#include "XmlStreamingTest.moc"
