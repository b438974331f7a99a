#include "ExchangeTestUtil.h"
#include "LocalZone.h"
#include "TestRows.h"
#include "DateForms.h"
#include "TestRunner.h"

#include "content/DBArticle.h"
#include "data/DBBase.h"
#include "data/DBHistory.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlRecord.h"
#include "exchange/XmlWriter.h"
#include "data/DBAccount.h"
#include "data/DBProject.h"

#include <QTest>

#include <limits>

using namespace Vexal;

class XmlBaseTest : public QObject
{
    Q_OBJECT
private slots:
    void readers_data()
    {
        addColumns<QString, QString, bool, QString>("kind", "text", "ok", "value");
        QTest::newRow("int") << "int" << "42" << true << "42";
        QTest::newRow("int negative") << "int" << "-7" << true << "-7";
        QTest::newRow("int empty") << "int" << "" << false << "0"; // an empty element gives no value
        QTest::newRow("int letters") << "int" << "abc" << false << "0";
        QTest::newRow("int fraction") << "int" << "1.5" << false << "0";
        QTest::newRow("int past an int") << "int" << "2147483648" << false << "0"; // never cut to a wrong value
        QTest::newRow("int smallest") << "int" << "-2147483648" << true << "-2147483648";
        QTest::newRow("flag 2") << "flag" << "2" << true << "1";
        QTest::newRow("flag 0") << "flag" << "0" << true << "0";
        QTest::newRow("flag yes") << "flag" << "yes" << false << "0";
        QTest::newRow("date short parts") << "date" << "2012.3.4" << true << "2012-03-04";
        QTest::newRow("date empty part") << "date" << "2012..03.04" << true << "2012-03-04";
        QTest::newRow("date two parts") << "date" << "2012.03" << false << "";
        QTest::newRow("date empty") << "date" << "" << false << "";
        QTest::newRow("date-time empty") << "datetime" << "" << false << "";
        QTest::newRow("date invalid day") << "date" << "2012.02.30" << false << "";
        QTest::newRow("date-time") << "datetime" << "2012.03.04.13.14.15" << true << "2012-03-04T13:14:15";
        QTest::newRow("date-time hour 25") << "datetime" << "2012.03.04.25.00.00" << false << "";
        QTest::newRow("date-time midnight") << "datetime" << "2024.01.01.00.00.00" << true << "2024-01-01T00:00:00";
        QTest::newRow("date-time month end") << "datetime" << "2024.04.30.23.59.59" << true << "2024-04-30T23:59:59";
        QTest::newRow("date-time leap day") << "datetime" << "2024.02.29.12.00.00" << true << "2024-02-29T12:00:00";
        QTest::newRow("date-time no leap day") << "datetime" << "2023.02.29.12.00.00" << false << "";
        // An hour the local clock skips reads as a date-time Qt holds invalid.
        QTest::newRow("date-time skipped hour") << "datetime" << "2021.03.28.02.30.00" << true << "";
        QTest::newRow("date-time repeated hour") << "datetime" << "2021.10.31.02.30.00" << true << "2021-10-31T02:30:00";
        QTest::newRow("date-time letters") << "datetime" << "2024.01.01.1a.00.00" << false << "";
        QTest::newRow("date-time plus sign") << "datetime" << "2024.01.01.+1.00.00" << true << "2024-01-01T01:00:00";
        QTest::newRow("date leap day") << "date" << "2024.02.29" << true << "2024-02-29";
        QTest::newRow("date month end") << "date" << "2023.11.30" << true << "2023-11-30";
    }
    void readers()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, value);
        LocalZone zone("Europe/Berlin");
        const XmlItem item = readItem(QStringLiteral("<item><V>%1</V></item>").arg(text));
        XmlBase xml;
        bool got = !ok;
        QString read;
        if (kind == QLatin1String("int"))
            read = QString::number(xml.readInt(item, QStringLiteral("V"), &got));
        else if (kind == QLatin1String("flag"))
            read = QString::number(int(xml.readBool(item, QStringLiteral("V"), &got)));
        else if (kind == QLatin1String("date"))
            read = xml.readDate(item, QStringLiteral("V"), &got).toString(Qt::ISODate);
        else
            read = xml.readDateTime(item, QStringLiteral("V"), &got).toString(Qt::ISODate);
        QCOMPARE(got, ok);
        QCOMPARE(read, value);
        // Only a non-empty text that does not convert counts as malformed.
        QCOMPARE(xml.malformedElements().isEmpty(), ok || text.isEmpty());
    }

    // A stored value as an export writes it: local time, "yyyy.MM.dd" and
    // "yyyy.MM.dd.hh.mm.ss", nothing for a value Qt holds invalid; an import
    // of that text stores the value again.
    void exportForms_data()
    {
        addDateFormRows(true);
    }
    void exportForms()
    {
        QFETCH(QString, kind);
        QFETCH(QString, stored);
        QFETCH(QString, wanted);
        const QString& written = wanted;
        LocalZone zone("Europe/Berlin");
        const bool date = kind == QLatin1String("date");
        QCOMPARE(date ? XmlBase::dateText(DBBase::readDate(stored)) : XmlBase::dateTimeText(DBBase::readDateTime(stored)),
                 written);
        XmlItem item;
        XmlBase::appendText(item, QStringLiteral("V"), written);
        XmlBase xml;
        bool ok = false;
        const QVariant again = date ? DBBase::dateValue(xml.readDate(item, QStringLiteral("V"), &ok))
                                    : DBBase::dateTimeValue(xml.readDateTime(item, QStringLiteral("V"), &ok));
        QCOMPARE(ok, !written.isEmpty());
        QCOMPARE(again.toString(), written.isEmpty() ? QString() : stored);
    }
    // A UTC value is written in local time.
    void exportWritesLocalTime()
    {
        LocalZone zone("Europe/Berlin");
        QCOMPARE(XmlBase::dateTimeText(QDateTime(QDate(2024, 7, 1), QTime(22, 30), Qt::UTC)),
                 QStringLiteral("2024.07.02.00.30.00"));
    }

    void writersAndImages()
    {
        XmlItem item;
        QImage image(2, 2, QImage::Format_ARGB32);
        image.fill(QColor(10, 20, 30));
        XmlBase::appendBool(item, QStringLiteral("F"), true);
        XmlBase::appendDate(item, QStringLiteral("D"), QDate(2012, 3, 4));
        XmlBase::appendDateTime(item, QStringLiteral("T"), QDateTime(QDate(2012, 3, 4), QTime(5, 6, 7)));
        XmlBase::appendPixmap(item, QStringLiteral("Empty"), QImage());
        XmlBase::appendPixmap(item, QStringLiteral("Icon"), image);
        XmlBase::appendText(item, QStringLiteral("Blank"), QStringLiteral(" "));
        XmlBase::appendText(item, QStringLiteral("Junk"), QStringLiteral("not an image"));
        XmlWriter writer(QStringLiteral("Test"));
        QVERIFY(writer.writeItem(item));
        // Read back from the written text as the import reads it.
        const XmlItem back = firstItem(writer.finish().toUtf8());
        QCOMPARE(back.tagName(), QStringLiteral("item"));
        QCOMPARE(XmlBase::childText(back, QStringLiteral("F")), QStringLiteral("1"));
        QCOMPARE(XmlBase::childText(back, QStringLiteral("D")), QStringLiteral("2012.03.04"));
        QCOMPARE(XmlBase::childText(back, QStringLiteral("T")), QStringLiteral("2012.03.04.05.06.07"));
        QVERIFY(XmlBase::hasElement(back, QStringLiteral("Empty")));
        QCOMPARE(XmlBase::childText(back, QStringLiteral("Empty")), QString());
        QCOMPARE(XmlBase::childText(back, QStringLiteral("Blank")), QStringLiteral(" ")); // white space is kept

        XmlBase xml;
        bool ok = false;
        QVERIFY(xml.readPixmap(back, QStringLiteral("Empty"), &ok).isNull());
        QVERIFY(!ok); // present and empty: no value, the record's icon stays
        const QImage icon = xml.readPixmap(back, QStringLiteral("Icon"), &ok);
        QVERIFY(ok);
        QCOMPARE(icon.pixelColor(1, 1), QColor(10, 20, 30));
        QVERIFY(xml.readPixmap(back, QStringLiteral("Junk"), &ok).isNull());
        QVERIFY(!ok); // malformed: the stored icon stays
        QCOMPARE(xml.malformedElements(), QStringList{QStringLiteral("Junk")});
    }

    // A small file must not expand into a huge picture: only icon sizes are
    // decoded, whatever the compressed size.
    void iconsAreReadOnlyAtIconSizes()
    {
        XmlBase xml;
        for (const QSize& size : {QSize(256, 256), QSize(257, 4), QSize(4, 3000)}) {
            QImage image(size, QImage::Format_ARGB32);
            image.fill(Qt::white);
            XmlItem item;
            XmlBase::appendPixmap(item, QStringLiteral("Icon"), image);
            bool ok = false;
            const QImage read = xml.readPixmap(item, QStringLiteral("Icon"), &ok);
            const bool iconSized = size.width() <= XmlBase::maxIconSide && size.height() <= XmlBase::maxIconSide;
            QCOMPARE(ok, iconSized);
            QCOMPARE(read.isNull(), !iconSized);
            if (iconSized)
                QCOMPARE(read.size(), size);
        }
    }

    void childTextSkipsEmptyMatches()
    {
        const XmlItem item =
            readItem(QStringLiteral("<item><name>x</name><Name/><Name>first</Name><Name>second</Name></item>"));
        QCOMPARE(XmlBase::childText(item, QStringLiteral("Name")), QStringLiteral("first"));
        QCOMPARE(XmlBase::childText(item, QStringLiteral("Missing")), QString());
    }

    void commonElements_data()
    {
        addColumns<QString, bool, qint64, bool>("xml", "accepted", "id", "deleteMark");
        QTest::newRow("no id") << "<item><Name>a</Name></item>" << false << qint64(-1) << false;
        QTest::newRow("id abc") << "<item><ID>abc</ID></item>" << false << qint64(-1) << false;
        QTest::newRow("wrong case") << "<Item><ID>3</ID></Item>" << false << qint64(-1) << false;
        QTest::newRow("id -1") << "<item><ID>-1</ID></item>" << true << qint64(-1) << false;
        QTest::newRow("id 2^31") << "<item><ID>2147483648</ID></item>" << true << qint64(2147483648) << false;
        QTest::newRow("id 2^32 + 1001") << "<item><ID>4294968297</ID></item>" << true << qint64(4294968297) << false;
        QTest::newRow("id 2^63 - 1") << "<item><ID>9223372036854775807</ID></item>" << true
                                     << qint64(9223372036854775807) << false;
        QTest::newRow("id -2^63") << "<item><ID>-9223372036854775808</ID></item>" << true
                                  << std::numeric_limits<qint64>::min() << false;
        QTest::newRow("id 2^63") << "<item><ID>9223372036854775808</ID></item>" << false << qint64(-1) << false;
        QTest::newRow("id 20 digits") << "<item><ID>12345678901234567890</ID></item>" << false << qint64(-1) << false;
        QTest::newRow("xdelete yes") << "<item><ID>4</ID><XDelete>yes</XDelete></item>" << true << qint64(4) << false;
        QTest::newRow("xdelete 2") << "<item><ID>4</ID><XDelete>2</XDelete></item>" << true << qint64(4) << true;
        QTest::newRow("xdelete 0") << "<item><ID>4</ID><XDelete>0</XDelete></item>" << true << qint64(4) << false;
    }
    void commonElements()
    {
        QFETCH(QString, xml);
        QFETCH(bool, accepted);
        QFETCH(qint64, id);
        QFETCH(bool, deleteMark);
        const XmlItem item = readItem(xml);
        QVERIFY(item.tagName() != QLatin1String("refused")); // well-formed: refused by the record, not the reader
        XmlProject project;
        QCOMPARE(project.read(item), accepted);
        if (accepted) {
            QCOMPARE(project.id(), id);
            QCOMPARE(project.deleteMark(), deleteMark);
        }
    }

    void projectOwnedKindsNeedProjectId()
    {
        XmlAccount account;
        QVERIFY(!account.read(readItem(QStringLiteral("<item><ID>1</ID><Login>a</Login></item>"))));
        XmlAccount other;
        QVERIFY(!other.read(readItem(QStringLiteral("<item><ID>1</ID><ProjectID>x</ProjectID></item>"))));
        XmlAccount good;
        QVERIFY(good.read(readItem(QStringLiteral("<item><ID>1</ID><ProjectID>3</ProjectID><Password>s(ram)b</Password></item>"))));
        QCOMPARE(good.item()->projectId(), 3);
        QCOMPARE(good.item()->password(), QStringLiteral("s(ram)b"));
    }

    void projectActiveIsNeverRead()
    {
        XmlProject project;
        QVERIFY(project.read(readItem(QStringLiteral("<item><ID>1</ID><Name></Name><URL>http://a/</URL><Active>1</Active></item>"))));
        QVERIFY(!project.item()->isActive());
        QCOMPARE(project.item()->url(), QStringLiteral("http://a/"));
        // An empty Name is not taken: the new record's stays.
        QCOMPARE(project.item()->name(), DBProject().name());
    }

    void ownElementsFallBackToTheNewRecord()
    {
        XmlHistory empty;
        QVERIFY(empty.read(readItem(QStringLiteral("<item><ID>1</ID></item>"))));
        QCOMPARE(empty.item()->iconImage(), DBHistory().iconImage());
        QVERIFY(empty.item()->createDate().isValid());
        XmlHistory junk;
        QVERIFY(junk.read(readItem(QStringLiteral("<item><ID>1</ID><Icon>junk</Icon></item>"))));
        QCOMPARE(junk.item()->iconImage(), DBHistory().iconImage()); // malformed: the new record's icon
        XmlHistory none;
        QVERIFY(none.read(readItem(QStringLiteral("<item><ID>1</ID><Icon/></item>"))));
        QCOMPARE(none.item()->iconImage(), DBHistory().iconImage()); // empty: the new record's icon

        XmlArticle article;
        QVERIFY(article.read(readItem(QStringLiteral("<item><ID>1</ID><ProjectID>1</ProjectID>"
                                                                "<TitleMode>x</TitleMode><Title>T</Title>"
                                                                "<BodyMode>8</BodyMode></item>"))));
        QCOMPARE(article.item()->titleMode(), 2);
        QCOMPARE(article.item()->bodyMode(), 8);
        QCOMPARE(article.item()->title(), QStringLiteral("T"));
        QCOMPARE(article.malformedElements(), QStringList(QStringLiteral("TitleMode")));
    }
};

TESVAR_TEST(XmlBaseTest)
#include "XmlBaseTest.moc"
