#include "ExchangeTestUtil.h"
#include "FreshStateTest.h"
#include "ProgressDialogProbe.h"
#include "StatementTrace.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBConnection.h"
#include "data/DBMasterAccount.h"
#include "data/DBOptions.h"
#include "data/DBProject.h"
#include "core/DBSql.h"
#include "core/RecordKind.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/XmlBase.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleThread.h"

#include <QDomDocument>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Vexal;

namespace {

void setOverride(bool on)
{
    DBOptions options;
    options.setOverrideOnImport(on);
    DBCache::setOptions(&options);
}

int addProject(const QString& name, const QString& url, bool active = false)
{
    DBProject project;
    project.setName(name);
    project.setUrl(url);
    project.setActive(active);
    project.setComments(QStringLiteral("kept"));
    return project.save() ? project.id() : -1;
}

QString projectValue(int id, const QString& column)
{
    return TestDatabase::value(QStringLiteral("SELECT %1 FROM Project WHERE ID=%2;").arg(column).arg(id)).toString();
}

// Runs an import of the given files; returns its error text ("" on success).
QString importFiles(const QStringList& files)
{
    ThreadXmlImport job(files);
    if (!runJob(job))
        return QStringLiteral("timeout");
    if (job.isSuccessful() != job.errorText().isEmpty())
        return QStringLiteral("success flag and error text disagree: ") + job.errorText();
    return job.errorText();
}

QByteArray projectsFile(const QByteArray& items)
{
    return "<!DOCTYPE doc>\n<items Table=\"Project\">" + items + "</items>\n";
}

} // namespace

class ExchangeJobTest : public FreshStateTest
{
    Q_OBJECT
private slots:
    void exportWritesTheFileFormat()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(addProject(QStringLiteral("Alpha & <b>"), QStringLiteral("http://a.example/"), true) > 0);
        ThreadXmlExport job(kindCode(RecordKind::Project), db.folder());
        QCOMPARE(job.title(), QStringLiteral("Export Projects"));
        QVERIFY(runJob(job));
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));

        const QByteArray bytes = readBytes(db.file(QStringLiteral("Projects.xml")));
        QVERIFY(bytes.startsWith("<!DOCTYPE doc>\n<items Table=\"Project\">\n <item>\n  <ID>"));
        QDomDocument document;
        QVERIFY(document.setContent(bytes));
        const QDomElement item = document.documentElement().firstChildElement();
        // The elements that hold a value, in the file's order (Active
        // last); the kind's other columns are empty.
        QStringList names;
        for (QDomElement e = item.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (!e.text().isEmpty())
                names << e.tagName() + QLatin1Char('=') + e.text();
        }
        QCOMPARE(names, QStringList({QStringLiteral("ID=1"), QStringLiteral("Name=Alpha & <b>"),
                                     QStringLiteral("Comments=kept"), QStringLiteral("URL=http://a.example/"),
                                     QStringLiteral("Active=1")}));
    }

    void exportCodes()
    {
        TestDatabase db;
        QCOMPARE(ThreadXmlExport(kindCode(RecordKind::Undef), db.folder()).title(), QStringLiteral("Export Undef"));
        QCOMPARE(ThreadXmlExport(kindCode(lastRecordKind) + 1, db.folder()).title(), QString());
        ThreadXmlExport undef(kindCode(RecordKind::Undef), db.folder());
        QVERIFY(runJob(undef));
        QVERIFY(!undef.isSuccessful());
        QCOMPARE(undef.errorText(), QStringLiteral("Invalid object state. Object: m_obj"));

        // An empty shortcut table exports the built-in set, never stored.
        ThreadXmlExport shortcuts(kindCode(RecordKind::UrlShortcut), db.folder());
        QVERIFY(runJob(shortcuts));
        QVERIFY(shortcuts.isSuccessful());
        QDomDocument document;
        QVERIFY(document.setContent(readBytes(db.file(QStringLiteral("UriShortcuts.xml")))));
        QCOMPARE(document.documentElement().attribute(QStringLiteral("Table")), QStringLiteral("UrlShortcut"));
        const QDomNodeList items = document.documentElement().childNodes();
        QCOMPARE(items.count(), 7);
        for (int i = 0; i < items.count(); ++i)
            QCOMPARE(items.at(i).firstChildElement(QStringLiteral("ID")).text(), QStringLiteral("-1"));
    }

    void failedExportKeepsTheEarlierFile()
    {
        TestDatabase db;
        for (int i = 0; i < 40; ++i)
            addProject(QStringLiteral("Project %1").arg(i), QStringLiteral("http://site%1.example/").arg(i));
        const QString path = db.file(QStringLiteral("Projects.xml"));
        QVERIFY(writeBytes(path, "earlier"));

        // Files may not grow beyond 512 bytes while the job writes.
        rlimit previous {};
        getrlimit(RLIMIT_FSIZE, &previous);
        auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &small);
        ThreadXmlExport job(kindCode(RecordKind::Project), db.folder());
        const bool finished = runJob(job);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(finished);
        QVERIFY(!job.isSuccessful());
        // The system's reason, not "Unknown error".
        QVERIFY2(job.errorText().contains(QString::fromLocal8Bit(strerror(EFBIG))), qPrintable(job.errorText()));
        QCOMPARE(readBytes(path), QByteArray("earlier"));
        QCOMPARE(QDir(db.folder()).entryList({QStringLiteral("Projects.xml*")}, QDir::Files).size(), 1);

        ThreadXmlExport missingFolder(kindCode(RecordKind::Project), db.file(QStringLiteral("no/such/folder")));
        QVERIFY(runJob(missingFolder));
        QVERIFY(!missingFolder.isSuccessful());
        QVERIFY(!missingFolder.errorText().isEmpty());
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1 = path; "parse" = any parse failure; "" = success
        QTest::addColumn<int>("projects");
        QTest::addColumn<QList<qint64>>("stored"); // the IDs of projects stored before
        QTest::newRow("empty") << QByteArray() << "" << 0 << QList<qint64>();
        QTest::newRow("white space") << QByteArray("  \n ") << "parse" << 0 << QList<qint64>();
        QTest::newRow("not well-formed") << projectsFile("<item><ID>1</ID>") << "parse" << 0 << QList<qint64>();
        QTest::newRow("wrong root") << QByteArray("<things Table=\"Project\"/>") << "Invalid xml structure. File: %1." << 0
                                    << QList<qint64>();
        QTest::newRow("no table") << QByteArray("<items/>") << "Invalid xml structure. File: %1." << 0 << QList<qint64>();
        QTest::newRow("unknown table")
            << QByteArray("<items Table=\"Nope\"><item><ID>1</ID></item></items>")
            << "Invalid database table name. File: %1." << 0 << QList<qint64>();
        QTest::newRow("unknown table, no items") << QByteArray("<items Table=\"Nope\"/>") << "" << 0 << QList<qint64>();
        QTest::newRow("Item") << projectsFile("<Item><ID>1</ID></Item>")
                              << "Failed to parse the xml node. File: %1, node no. 0." << 0 << QList<qint64>();
        QTest::newRow("comment between items")
            << projectsFile("<item><ID>1</ID></item><!-- x --><item><ID>2</ID></item>")
            << "Failed to parse the xml node. File: %1, node no. 1." << 0 << QList<qint64>();
        QTest::newRow("declaration, comment, ITEMS")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- by hand -->\n"
                          "<ITEMS Table=\"project\"><item><ID>1</ID></item><item><ID>-1</ID></item></ITEMS>")
            << "" << 2 << QList<qint64>();
        // IDs are 64-bit, as a table's keys are.
        QTest::newRow("IDs past 2^31 and 2^32")
            << projectsFile("<item><ID>2147483648</ID></item><item><ID>4294968297</ID></item><item><ID>1001</ID></item>"
                            "<item><ID>9223372036854775807</ID></item><item><ID>-9223372036854775808</ID></item>")
            << "" << 5 << QList<qint64>();
        QTest::newRow("1001 beside a stored 2^32 + 1001")
            << projectsFile("<item><ID>1001</ID></item>") << "" << 2 << QList<qint64>{4294968297};
        QTest::newRow("2^32 + 1001 beside a stored 1001")
            << projectsFile("<item><ID>4294968297</ID></item>") << "" << 2 << QList<qint64>{1001};
        // Stored IDs are refused however far apart the table's rows lie, and
        // the file's own inserts and deletes are seen by its later items.
        auto clash = [](int node, qint64 id) { return LocaleThread::cannotOverrideItem(QStringLiteral("%1"), node, id); };
        const QList<qint64> farApart{1, 500000, 1000000};
        QTest::newRow("a stored ID beside a large table")
            << projectsFile("<item><ID>2000000</ID></item><item><ID>700000</ID></item><item><ID>700001</ID></item>"
                            "<item><ID>500000</ID></item>")
            << clash(3, 500000) << 3 << farApart;
        QTest::newRow("an ID the file stored, in a gap of a large table")
            << projectsFile("<item><ID>600</ID></item><item><ID>601</ID></item><item><ID>600</ID></item>")
            << clash(2, 600) << 3 << farApart;
        QTest::newRow("IDs stored and deleted by the file, stored again")
            << projectsFile("<item><ID>600</ID></item><item><ID>600</ID><XDelete>1</XDelete></item>"
                            "<item><ID>600</ID></item><item><ID>500000</ID><XDelete>1</XDelete></item>"
                            "<item><ID>500000</ID></item><item><ID>500001</ID></item>")
            << "" << 5 << farApart;
        QTest::newRow("IDs below the table's lowest")
            << projectsFile("<item><ID>5</ID></item><item><ID>6</ID></item><item><ID>5</ID></item>") << clash(2, 5) << 2
            << QList<qint64>{1000, 2000};
        const QList<qint64> evens{10, 12, 14, 16};
        QTest::newRow("a stored ID in a small table")
            << projectsFile("<item><ID>11</ID></item><item><ID>13</ID></item><item><ID>14</ID></item>") << clash(2, 14)
            << 4 << evens;
        QTest::newRow("an ID the file stored, in a small table")
            << projectsFile("<item><ID>11</ID></item><item><ID>13</ID></item><item><ID>11</ID></item>") << clash(2, 11)
            << 4 << evens;
        // A key that no table can hold refuses its item, naming the node and the element.
        auto refused = [](int node, const char* element, const char* text) {
            return QStringLiteral("Failed to parse the xml node. File: %1, node no. %2, element: %3: \"%4\" is not an ID "
                                  "a table can hold (a whole number from -9223372036854775808 to 9223372036854775807).")
                .arg(QStringLiteral("%1"), QString::number(node), QLatin1String(element), QLatin1String(text));
        };
        const QByteArray accounts = "<items Table=\"Account\"><item><ID>1</ID>%1</item></items>";
        QTest::newRow("ID past 64 bits")
            << projectsFile("<item><ID>5</ID></item><item><ID>9223372036854775808</ID></item>")
            << refused(1, "ID", "9223372036854775808") << 0 << QList<qint64>();
        QTest::newRow("ID below 64 bits") << projectsFile("<item><ID>-9223372036854775809</ID></item>")
                                          << refused(0, "ID", "-9223372036854775809") << 0 << QList<qint64>();
        QTest::newRow("ID not a number") << projectsFile("<item><ID>12a</ID></item>") << refused(0, "ID", "12a") << 0
                                         << QList<qint64>();
        QTest::newRow("ProjectID past 64 bits")
            << QByteArray(accounts).replace("%1", "<ProjectID>99999999999999999999</ProjectID>")
            << refused(0, "ProjectID", "99999999999999999999") << 0 << QList<qint64>();
        // Every other reference is read as a key too; only an empty one
        // stays "none".
        QTest::newRow("WebsiteID not a number")
            << QByteArray(accounts).replace("%1", "<ProjectID>1</ProjectID><WebsiteID>12abc</WebsiteID>")
            << refused(0, "WebsiteID", "12abc") << 0 << QList<qint64>();
        const QByteArray directories = "<items Table=\"Directory\"><item><ID>1</ID><ProjectID>5</ProjectID>"
                                       "<CategoryID>-3</CategoryID></item><item><ID>2</ID><ProjectID>5</ProjectID>"
                                       "<CategoryID>x</CategoryID></item></items>";
        QTest::newRow("CategoryID after a good item")
            << directories << refused(1, "CategoryID", "x") << 0 << QList<qint64>();
        QTest::newRow("no ProjectID")
            << QByteArray(accounts).replace("%1", "")
            << "Failed to parse the xml node. File: %1, node no. 0, element: ProjectID: no ID is given." << 0
            << QList<qint64>();
    }
    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(int, projects);
        QFETCH(QList<qint64>, stored);
        TestDatabase db;
        for (const qint64 id : stored)
            QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (%1, 'stored');").arg(id)));
        const QString path = db.file(QStringLiteral("in.xml"));
        QVERIFY(writeBytes(path, bytes));
        const QString got = importFiles({path});
        if (error == QLatin1String("parse"))
            QVERIFY2(got.startsWith(QStringLiteral("Failed to parse a file. File: %1, error: ").arg(path)),
                     qPrintable(got));
        else
            QCOMPARE(got, error.isEmpty() ? QString() : error.arg(path));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), projects);
    }

    // The log and the user are told which file and item clashed, and which
    // option lets an import replace stored items.
    void collidingIdRollsBackTheWholeFile()
    {
        TestDatabase db;
        QCOMPARE(addProject(QStringLiteral("Stored"), QStringLiteral("http://s/")), 1);
        const QString path = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(path, projectsFile("<item><ID>5</ID><Name>New</Name></item>"
                                              "<item><ID>1</ID><Name>Clash</Name></item>")));
        const QString option = QStringLiteral("\"Override existing data\" (Tools > Options > Content > Import and Export)");
        QCOMPARE(importFiles({path}), QStringLiteral("Can't override an existing item. File: %1, node no. 1, ID: 1. An "
                                                     "import replaces stored items only with %2 on.")
                                          .arg(path, option));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 1);
        QCOMPARE(projectValue(1, DBSql::colName()), QStringLiteral("Stored"));
        QCOMPARE(Logger::warnings().size(), 1);
        QVERIFY(Logger::warnings().first().contains(path));

        ProgressDialogProbe dialog;
        dialog.build(new ThreadXmlImport({path}, &dialog));
        dialog.show();
        QTest::mouseClick(dialog.ok(), Qt::LeftButton);
        QTRY_COMPARE(dialog.ok()->text(), LocaleDialog::close());
        QCOMPARE(dialog.status()->text(),
                 QStringLiteral("<span style='color:red;'>Operation failed: the item with ID 1 in p.xml (node no. 1) is "
                                "stored already, and an import replaces stored items only with %1 on; nothing was "
                                "stored. See Error Console for more details.</span>")
                     .arg(option.toHtmlEscaped()));
        dialog.close();
        setOverride(true);
        QCOMPARE(importFiles({path}), QString());
        QCOMPARE(projectValue(1, DBSql::colName()), QStringLiteral("Clash"));
    }

    void overwriteKeepsWhatTheItemLacks()
    {
        TestDatabase db;
        QCOMPARE(addProject(QStringLiteral("Stored"), QStringLiteral("http://s/"), true), 1);
        QCOMPARE(addProject(QStringLiteral("Second"), QStringLiteral("http://t/")), 2);
        DBMasterAccount master;
        master.setName(QStringLiteral("M"));
        master.setActive(true);
        master.setQuestion(3);
        master.setBirthday(QDate(1980, 5, 6));
        master.setFirstName(QStringLiteral("Ann"));
        master.setCity(QStringLiteral("Town"));
        QVERIFY(master.save());
        setOverride(true);

        const QString projects = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(projects, projectsFile("<item><ID>1</ID><Name>Renamed</Name><Active>0</Active></item>"
                                                  "<item><ID>2</ID><Name/><Comments></Comments></item>")));
        const QString masters = db.file(QStringLiteral("m.xml"));
        QVERIFY(writeBytes(masters, "<items Table=\"MasterAccount\"><item><ID>1</ID><Question>abc</Question>"
                                    "<Birthday></Birthday><FirstName/><Gender>0</Gender></item></items>"));
        QCOMPARE(importFiles({projects, masters}), QString());

        QCOMPARE(projectValue(1, DBSql::colName()), QStringLiteral("Renamed"));
        QCOMPARE(projectValue(1, DBSql::colURL()), QStringLiteral("http://s/"));
        QCOMPARE(projectValue(1, DBSql::colComments()), QStringLiteral("kept"));
        QCOMPARE(projectValue(1, DBSql::colActive()), QStringLiteral("1"));
        // An empty Name or Comments is not taken: the stored ones stay.
        QCOMPARE(projectValue(2, DBSql::colName()), QStringLiteral("Second"));
        QCOMPARE(projectValue(2, DBSql::colComments()), QStringLiteral("kept"));
        QCOMPARE(projectValue(2, DBSql::colURL()), QStringLiteral("http://t/"));

        DBMasterAccount stored;
        QVERIFY(stored.load(1));
        QVERIFY(stored.isActive());
        QCOMPARE(stored.question(), 3);
        QCOMPARE(stored.birthday(), QDate(1980, 5, 6)); // present and empty: the stored date stays
        QCOMPARE(stored.firstName(), QString()); // present and empty: a text takes it
        QCOMPARE(stored.city(), QStringLiteral("Town"));
        QCOMPARE(stored.gender(), 0);
        QCOMPARE(Logger::warnings().size(), 1); // the malformed Question
        QVERIFY(Logger::warnings().first().contains(QStringLiteral("element: Question")));
    }

    void failurePartWayStopsAtThatFile()
    {
        TestDatabase db;
        const QString first = db.file(QStringLiteral("1.xml"));
        const QString second = db.file(QStringLiteral("2.xml"));
        const QString third = db.file(QStringLiteral("3.xml"));
        QVERIFY(writeBytes(first, projectsFile("<item><ID>7</ID><Name>P</Name></item>")));
        QVERIFY(writeBytes(second, "<items Table=\"Account\">"
                                   "<item><ID>1</ID><ProjectID>7</ProjectID><Login>a</Login></item>"
                                   "<item><ID>2</ID><ProjectID>-1</ProjectID></item></items>"));
        QVERIFY(writeBytes(third, projectsFile("<item><ID>8</ID></item>")));
        const QString error = importFiles({first, second, third});
        QVERIFY2(error.startsWith(QStringLiteral("Failed to save an item. File: %1, node no. 1, ID: 2, error: ").arg(second)),
                 qPrintable(error));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 1);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableAccount()), 0);

        QFile::remove(third);
        QCOMPARE(importFiles({first.left(first.size() - 5) + QStringLiteral("4.xml"), third}),
                 QStringLiteral("Failed to open a file. File: %1, error: Specified file is missing.")
                     .arg(db.file(QStringLiteral("4.xml"))));
    }

    // An import that fails tells the user why (its cause) and, of several
    // files, which were imported, which failed and which were not tried: in
    // the dialog's result and in the log.
    void failureNamesItsCauseAndFiles_data()
    {
        // Files by name: p.xml a good projects file, s.xml an account that
        // cannot be saved, w.xml an account with a bad WebsiteID after a good
        // one, c.xml a project stored already, m.xml a file that is not
        // well-formed, a.xml one that deletes the active project, d.xml an
        // account that cannot be saved marked deleted and not stored, i.xml
        // an account stored and then one of its ID that cannot be saved, k.xml
        // the same marked deleted; gone.xml is missing.
        addColumns<QStringList, QString, QString>("files", "cause", "stop");
        const QString website =
            QStringLiteral("the WebsiteID \"12abc\" of the item in w.xml (node no. 1) is not an ID a "
                           "table can hold (a whole number from -9223372036854775808 to "
                           "9223372036854775807)");
        const QString missing = QStringLiteral("gone.xml could not be opened (Specified file is missing)");
        const QString account =
            QStringLiteral("the item with ID 2 in s.xml (node no. 0) could not be imported: Project ID is empty. "
                           "Object: Vexal::DBAccount");
        // Where no file got in, the user reads why and that nothing was
        // stored, whatever the cause.
        QTest::newRow("one file, a bad reference") << QStringList{"w.xml"} << website + "; nothing was stored" << "";
        QTest::newRow("one file, missing") << QStringList{"gone.xml"} << missing + "; nothing was stored"
                                           << "";
        QTest::newRow("one file, not well-formed")
            << QStringList{"m.xml"}
            << "m.xml is not well-formed XML: opening and ending tag mismatch (line 1, column 46); nothing was stored"
            << "";
        QTest::newRow("one file, the active project refused")
            << QStringList{"a.xml"}
            << "the item with ID 1 in a.xml (node no. 0) could not be imported: The active project \"Stored\" can't "
               "be deleted. Make another project active first (select it and press \"Select\"), then delete this "
               "one; nothing was stored"
            << "";
        QTest::newRow("one file, no exchange file")
            << QStringList{"r.xml"}
            << "r.xml is no exchange file: its root is not an \"items\" element that names a table; nothing was "
               "stored"
            << "";
        QTest::newRow("the second of three fails")
            << QStringList{"p.xml", "s.xml", "c.xml"}
            << account + "; files imported: p.xml; failed: s.xml; not tried: c.xml"
            << "Files imported: %1/p.xml. Failed: %1/s.xml. Not tried: %1/c.xml.";
        QTest::newRow("the first of three is missing")
            << QStringList{"gone.xml", "p.xml", "w.xml"}
            << missing + "; nothing was stored; files imported: none; failed: gone.xml; not tried: p.xml, w.xml"
            << "Files imported: none. Failed: %1/gone.xml. Not tried: %1/p.xml, %1/w.xml.";
        const QString clash = QStringLiteral("the item with ID %1 in %2 (node no. %3) is stored already, and an import "
                                             "replaces stored items only with \"Override existing data\" (Tools > "
                                             "Options > Content > Import and Export) on");
        QTest::newRow("an item that cannot be saved, of a stored ID")
            << QStringList{"i.xml"} << clash.arg("3", "i.xml", "1") + "; nothing was stored" << "";
        QTest::newRow("an item that cannot be saved deleting a stored ID")
            << QStringList{"k.xml"}
            << "the item with ID 3 in k.xml (node no. 1) could not be imported: Project ID is empty. Object: "
               "Vexal::DBAccount; nothing was stored"
            << "";
        QTest::newRow("a stored ID after a file of another table")
            << QStringList{"d.xml", "c.xml"}
            << clash.arg("1", "c.xml", "0") + "; files imported: d.xml; failed: c.xml; not tried: none"
            << "Files imported: %1/d.xml. Failed: %1/c.xml. Not tried: none.";
        QTest::newRow("the last of two, a bad reference")
            << QStringList{"p.xml", "w.xml"} << website + "; files imported: p.xml; failed: w.xml; not tried: none"
            << "Files imported: %1/p.xml. Failed: %1/w.xml. Not tried: none.";
    }
    void failureNamesItsCauseAndFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, cause);
        QFETCH(QString, stop);
        TestDatabase db;
        QCOMPARE(addProject(QStringLiteral("Stored"), QString(), true), 1);
        QVERIFY(writeBytes(QStringLiteral("p.xml"), projectsFile("<item><ID>7</ID></item>")));
        QVERIFY(writeBytes(QStringLiteral("s.xml"),
                           "<items Table=\"Account\"><item><ID>2</ID><ProjectID>-1</ProjectID></item></items>"));
        QVERIFY(writeBytes(QStringLiteral("w.xml"),
                           "<items Table=\"Account\"><item><ID>3</ID><ProjectID>1</ProjectID></item>"
                           "<item><ID>4</ID><ProjectID>1</ProjectID><WebsiteID>12abc</WebsiteID>"
                           "</item></items>"));
        QVERIFY(writeBytes(QStringLiteral("c.xml"), projectsFile("<item><ID>1</ID></item>")));
        QVERIFY(writeBytes(QStringLiteral("m.xml"), "<items Table=\"Project\"><item><ID>8</ID></itme></items>"));
        QVERIFY(writeBytes(QStringLiteral("a.xml"), projectsFile("<item><ID>1</ID><XDelete>1</XDelete></item>")));
        QVERIFY(writeBytes(QStringLiteral("r.xml"), "<records Table=\"Project\"/>"));
        QVERIFY(writeBytes(QStringLiteral("d.xml"), "<items Table=\"Account\"><item><ID>9</ID><ProjectID>-1</ProjectID>"
                                                    "<XDelete>1</XDelete></item></items>"));
        QVERIFY(writeBytes(QStringLiteral("i.xml"), "<items Table=\"Account\"><item><ID>3</ID><ProjectID>1</ProjectID>"
                                                    "</item><item><ID>3</ID><ProjectID>-1</ProjectID></item></items>"));
        QVERIFY(writeBytes(QStringLiteral("k.xml"), "<items Table=\"Account\"><item><ID>3</ID><ProjectID>1</ProjectID>"
                                                    "</item><item><ID>3</ID><ProjectID>-1</ProjectID><XDelete>1</XDelete>"
                                                    "</item></items>"));
        QStringList paths;
        for (const QString& file : files)
            paths << db.file(file);
        Logger::resetForTests();
        ProgressDialogProbe dialog;
        dialog.build(new ThreadXmlImport(paths, &dialog));
        dialog.show();
        QTest::mouseClick(dialog.ok(), Qt::LeftButton);
        QTRY_COMPARE(dialog.ok()->text(), LocaleDialog::close());
        QCOMPARE(dialog.status()->text(), LocaleDialog::operationFailedHtml(cause));
        const QStringList stops =
            Logger::warnings().filter(QStringLiteral("The import stopped at a file that failed."));
        QCOMPARE(stops.size(), stop.isEmpty() ? 0 : 1);
        if (!stop.isEmpty())
            QVERIFY2(stops.first().contains(stop.arg(db.folder()).toHtmlEscaped()), qPrintable(stops.first()));
        dialog.close();
        // Only the files before the failed one are stored.
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()),
                 stop.startsWith(QLatin1String("Files imported: %1/p.xml")) ? 2 : 1);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableAccount()), 0);
    }

    void deleteMarksAndNewIds()
    {
        TestDatabase db;
        QCOMPARE(addProject(QStringLiteral("Doomed"), QString()), 1);
        QCOMPARE(addProject(QStringLiteral("Stays"), QString()), 2);
        const QString path = db.file(QStringLiteral("p.xml"));
        QVERIFY(writeBytes(path, projectsFile("<item><ID>1</ID><XDelete>1</XDelete></item>"
                                              "<item><ID>99</ID><XDelete>1</XDelete></item>"
                                              "<item><ID>40</ID><Name>Forty</Name></item>"
                                              "<item><ID>-1</ID><Name>Fresh</Name></item>")));
        QCOMPARE(importFiles({path}), QString());
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 3);
        QCOMPARE(projectValue(40, DBSql::colName()), QStringLiteral("Forty"));
        QCOMPARE(projectValue(41, DBSql::colName()), QStringLiteral("Fresh"));
        QVERIFY(projectValue(1, DBSql::colName()).isEmpty());

        // The active project is never deleted: the file is refused whole.
        QCOMPARE(addProject(QStringLiteral("Current"), QString(), true), 42);
        QVERIFY(writeBytes(path, projectsFile("<item><ID>2</ID><XDelete>1</XDelete></item>"
                                              "<item><ID>42</ID><XDelete>1</XDelete></item>")));
        const QString error = importFiles({path});
        QVERIFY2(error.startsWith(QStringLiteral("Failed to save an item. File: %1, node no. 1, ID: 42").arg(path)),
                 qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("The active project \"Current\" can't be deleted")));
        QCOMPARE(projectValue(2, DBSql::colName()), QStringLiteral("Stays"));
        QCOMPARE(projectValue(42, DBSql::colName()), QStringLiteral("Current"));
    }

    // However the stored rows lie around a file's IDs, the import tells
    // stored IDs from free ones as a plain set does: a file of inserts and
    // deletes, each allowed by what the items before it left, is stored whole
    // and leaves the set's rows.
    void storedIdsAgreeWithASet_data()
    {
        QTest::addColumn<QList<qint64>>("stored");
        QTest::addColumn<QList<qint64>>("near"); // the file's IDs lie around these
        const qint64 lowest = std::numeric_limits<qint64>::min();
        const qint64 highest = std::numeric_limits<qint64>::max();
        QTest::newRow("a new file") << QList<qint64>() << QList<qint64>{30, 1000};
        QTest::newRow("rows far apart") << QList<qint64>{3, 500, 501, 900000000}
                                        << QList<qint64>{3, 500, 900000000, 450000000};
        QList<qint64> evens;
        for (qint64 id = 2; id <= 200; id += 2)
            evens << id;
        QTest::newRow("a small table, read whole") << evens << QList<qint64>{20, 100, 200};
        QTest::newRow("the ends of the range") << QList<qint64>{lowest, -7, 0, highest}
                                               << QList<qint64>{lowest, -7, 0, highest};
    }
    void storedIdsAgreeWithASet()
    {
        QFETCH(QList<qint64>, stored);
        QFETCH(QList<qint64>, near);
        TestDatabase db;
        for (const qint64 id : stored)
            QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (%1, 's');").arg(id)));
        QSet<qint64> rows(stored.begin(), stored.end());
        quint64 seed = 2024;
        auto random = [&seed](int n) {
            seed = seed * 6364136223846793005u + 1442695040888963407u;
            return int((seed >> 33) % quint64(n));
        };
        QByteArray items;
        for (int i = 0; i < 600; ++i) {
            const qint64 base = near.at(random(near.size()));
            const qint64 offset = random(41) - 20;
            const bool past = offset > 0 ? base > std::numeric_limits<qint64>::max() - offset
                                         : base < std::numeric_limits<qint64>::min() - offset;
            const qint64 id = past ? base - offset : base + offset;
            // A stored ID is deleted, never inserted again; a negative ID
            // would ask for a new one.
            const bool remove = id < 0 || rows.contains(id) || random(4) == 0;
            items += QStringLiteral("<item><ID>%1</ID>%2</item>")
                         .arg(id)
                         .arg(remove ? QStringLiteral("<XDelete>1</XDelete>") : QString())
                         .toUtf8();
            if (remove)
                rows.remove(id);
            else
                rows.insert(id);
        }
        QVERIFY(writeBytes(QStringLiteral("p.xml"), projectsFile(items)));
        QCOMPARE(importFiles({QStringLiteral("p.xml")}), QString());
        QList<qint64> expected = rows.values();
        std::sort(expected.begin(), expected.end());
        QList<qint64> got;
        QSqlQuery query(QStringLiteral("SELECT ID FROM Project ORDER BY ID;"));
        while (query.next())
            got << query.value(0).toLongLong();
        QCOMPARE(got, expected);
    }

    // What an import asks of the database grows with its items, never with
    // the rows stored beside them: past its first item, each further item
    // runs as many statements as it stores (an insert, a delete or an
    // overwrite; an overwrite of a free ID is an update and an insert) and
    // reads no row, however many rows the table holds around its IDs. So a
    // file among the rows of a large table costs what it costs in a new file.
    void importWorkGrowsWithItsItems_data()
    {
        addColumns<QString, QString, bool, int>("stored", "items", "overwrite", "statementsPerItem");
        // 20,000 IDs of which every 16th is free; 1,000 items.
        const QString gaps = "i % 16 <> 0";
        const QString all = "1";
        QTest::newRow("new IDs in the free places of a large table") << gaps << "16 * i" << false << 1;
        QTest::newRow("new IDs past the end of a large table") << all << "20000 + i" << false << 1;
        QTest::newRow("deletes of stored IDs") << all << "-i" << false << 1;
        QTest::newRow("deletes of free IDs among stored ones") << gaps << "-16 * i" << false << 1;
        QTest::newRow("overwrites of stored IDs") << gaps << "i + (i - 1) / 15" << true << 1;
        QTest::newRow("overwrites of free IDs") << gaps << "16 * i" << true << 2;
    }
    void importWorkGrowsWithItsItems()
    {
        QFETCH(QString, stored);
        QFETCH(QString, items);
        QFETCH(bool, overwrite);
        QFETCH(int, statementsPerItem);
        constexpr int count = 1000;
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                                  "WHERE i < 20000) INSERT INTO Project (ID, Name) SELECT i, 's' "
                                                  "FROM n WHERE %1;")
                                       .arg(stored)));
        setOverride(overwrite);
        // The file's items: ID i of each from 1 on as `items` gives it, a
        // negative one deleting its row.
        QSqlQuery ids;
        QVERIFY(ids.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "SELECT %2 FROM n;")
                             .arg(count)
                             .arg(items)));
        QByteArray file;
        while (ids.next()) {
            const qint64 id = ids.value(0).toLongLong();
            file += id < 0 ? QStringLiteral("<item><ID>%1</ID><XDelete>1</XDelete></item>").arg(-id).toUtf8()
                           : QStringLiteral("<item><ID>%1</ID><Name>n</Name></item>").arg(id).toUtf8();
        }
        const int before = TestDatabase::rowCount(DBSql::tableProject());
        // The work of the first item alone, then of them all, each rolled
        // back (the file ends with an item that fails) so that both meet the
        // same table.
        const QByteArray failing = "<item><ID>x</ID></item>";
        int statements[2] = {};
        int rows[2] = {};
        for (const int whole : {0, 1}) {
            const QByteArray part = whole ? file : file.left(file.indexOf("</item>") + 7);
            QVERIFY(writeBytes(QStringLiteral("p.xml"), projectsFile(part + failing)));
            StatementTrace work(StatementTrace::OpenedMeanwhile);
            QVERIFY(importFiles({QStringLiteral("p.xml")}).contains(QLatin1String("node no.")));
            statements[whole] = work.counts().statements;
            rows[whole] = int(work.counts().rows);
        }
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), before);
        QVERIFY2(statements[1] - statements[0] <= statementsPerItem * (count - 1) && rows[1] == rows[0],
                 qPrintable(QStringLiteral("statements %1 and %2, rows read %3 and %4")
                                .arg(statements[0])
                                .arg(statements[1])
                                .arg(rows[0])
                                .arg(rows[1])));
        // And all of them, stored.
        QVERIFY(writeBytes(QStringLiteral("p.xml"), projectsFile(file)));
        QCOMPARE(importFiles({QStringLiteral("p.xml")}), QString());
    }

    void encodings()
    {
        TestDatabase db;
        const QString legacy = db.file(QStringLiteral("legacy.xml"));
        QVERIFY(writeBytes(legacy, projectsFile("<item><ID>1</ID><Name>Caf\xe9 \x80</Name></item>")));
        const QString utf8 = db.file(QStringLiteral("utf8.xml"));
        QVERIFY(writeBytes(utf8, projectsFile("<item><ID>2</ID><Name>Caf\xc3\xa9 \xe2\x82\xac</Name></item>")));
        const QString declared = db.file(QStringLiteral("declared.xml"));
        QVERIFY(writeBytes(declared, "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>\n"
                                     + projectsFile("<item><ID>3</ID><Name>\xb3\xf3" "d\xbc</Name></item>")));
        QCOMPARE(importFiles({legacy, utf8, declared}), QString());
        QCOMPARE(projectValue(1, DBSql::colName()), QStringLiteral("Caf\u00e9 \u20ac"));
        QCOMPARE(projectValue(2, DBSql::colName()), QStringLiteral("Caf\u00e9 \u20ac"));
        QCOMPARE(projectValue(3, DBSql::colName()), QStringLiteral("\u0142\u00f3d\u017a"));
        QCOMPARE(Logger::warnings().size(), 1);
        QVERIFY(Logger::warnings().first().contains(legacy));
    }

    // Where the pieces of a file end changes nothing of an import: not how it
    // ends, not its rows, not what it logs. A file is read as Windows-1252
    // when the piece of the usual size that holds its first fault, or one
    // before it, is not UTF-8.
    void importEndsTheSameInAnyPieces_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("windows1252");
        const QByteArray later = "<item><ID>9</ID><Comments>" + QByteArray("long enough to lie beyond a look-ahead ", 39).repeated(12)
                                 + "caf\xe9</Comments></item>";
        QTest::newRow("a clash before a Windows-1252 byte")
            << projectsFile("<item><ID>1</ID><Name>caf\xc3\xa9</Name></item>" + later) << true;
        QTest::newRow("a malformed node before a Windows-1252 byte")
            << projectsFile("<item><ID>5</ID><Name>caf\xc3\xa9</Name></item><item/>" + later) << true;
        QTest::newRow("another root before a Windows-1252 byte")
            << "<records Table=\"Project\">" + later + "</records>" << true;
        QTest::newRow("Windows-1252 throughout")
            << projectsFile("<item><ID>5</ID><Name>caf\xe9</Name></item>" + later) << true;
        // A malformed node ending at the given distance from the end of the
        // first piece of the usual size; a Windows-1252 byte follows it.
        auto faultEnding = [](int distance) -> QByteArray {
            const QByteArray head = projectsFile("<item><ID>5</ID><Name>caf\xc3\xa9</Name><Comments>").chopped(9);
            const QByteArray fault = "</Comments></item><item/>";
            const QByteArray padding(XmlSource::defaultPieceSize + distance - head.size() - fault.size(), 'x');
            return head + padding + fault + "<item><ID>9</ID><Comments>caf\xe9</Comments></item></items>\n";
        };
        QTest::newRow("a fault ending a piece, a Windows-1252 byte in the next") << faultEnding(0) << false;
        QTest::newRow("a fault ending a byte before a piece's end") << faultEnding(-1) << false;
        QTest::newRow("a fault ending a byte into the next piece") << faultEnding(1) << true;
        QTest::newRow("UTF-8 throughout, one fault")
            << projectsFile("<item><ID>5</ID><Name>caf\xc3\xa9</Name></item>" + QByteArray(later).replace("\xe9", "&nbsp;"))
            << false;
    }
    void importEndsTheSameInAnyPieces()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, windows1252);
        QString first;
        for (const int pieceSize : {0, 1, 3, 16, 333}) {
            TestDatabase db;
            QCOMPARE(addProject(QStringLiteral("Stored"), QString()), 1);
            QVERIFY(writeBytes(QStringLiteral("in.xml"), bytes));
            Logger::resetForTests();
            ThreadXmlImport job({QStringLiteral("in.xml")});
            job.setPieceSize(pieceSize);
            QVERIFY(runJob(job));
            QStringList outcome = Logger::warnings();
            outcome << job.errorText() << projectValue(5, DBSql::colName()) << projectValue(9, DBSql::colComments());
            const QString got = outcome.join(QLatin1Char('\n'));
            if (pieceSize == 0) {
                first = got;
                QCOMPARE(got.contains(LocaleThread::readAsWindows1252(QStringLiteral("in.xml")).toHtmlEscaped()),
                         windows1252);
            } else {
                QVERIFY2(got == first, qPrintable(QStringLiteral("piece size %1:\n%2\none piece:\n%3").arg(pieceSize).arg(got, first)));
            }
        }
    }

    // Only a regular file is read: a named pipe, a folder or a device is
    // refused at once, never opened to wait for a writer or read without end.
    void nonRegularFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("named pipe") << "pipe.xml";
        QTest::newRow("folder") << "folder.xml";
        QTest::newRow("device") << "/dev/null";
    }
    void nonRegularFilesAreRefusedAtOnce()
    {
        QFETCH(QString, path);
        TestDatabase db;
        QVERIFY(::mkfifo("pipe.xml", 0600) == 0);
        QVERIFY(QDir().mkdir(QStringLiteral("folder.xml")));
        ThreadXmlImport job({path});
        job.start();
        const bool prompt = job.wait(3000);
        if (!prompt) { // a job waiting for the pipe's writer: let it go on
            const int pipe = ::open("pipe.xml", O_WRONLY | O_NONBLOCK);
            if (pipe >= 0)
                ::close(pipe);
            job.wait();
        }
        QVERIFY(prompt);
        QCOMPARE(job.errorText(), LocaleThread::openFileFailed(path, LocaleMessage::notRegularFile()));
    }

    // A table that cannot be read fails the item and stops the import,
    // naming the failed statement: also where the item could not be saved
    // and is to be deleted, which only the lookup of its ID decides.
    void failedExistenceCheckFailsTheItem_data()
    {
        addColumns<QString, QByteArray>("table", "item");
        QTest::newRow("a delete") << "Category" << QByteArray("<ID>4</ID><XDelete>1</XDelete>");
        QTest::newRow("an item that cannot be saved, to delete")
            << "Account" << QByteArray("<ID>4</ID><ProjectID>-1</ProjectID><XDelete>1</XDelete>");
    }

    void failedExistenceCheckFailsTheItem()
    {
        QFETCH(QString, table);
        QFETCH(QByteArray, item);
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE %1;").arg(table)));
        const QString path = db.file(QStringLiteral("c.xml"));
        QVERIFY(writeBytes(path, "<items Table=\"" + table.toUtf8() + "\"><item>" + item + "</item></items>"));
        const QString error = importFiles({path});
        QVERIFY2(error.startsWith(QStringLiteral("Failed to save an item. File: %1, node no. 0, ID: 4, error: ").arg(path)),
                 qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("no such table: %1").arg(table)), qPrintable(error));
    }

    void runsBehindTheProgressDialog()
    {
        TestDatabase db;
        addProject(QStringLiteral("P"), QString());
        ProgressDialogProbe dialog;
        auto* job = new ThreadXmlExport(kindCode(RecordKind::Project), db.folder(), &dialog);
        dialog.build(job);
        QCOMPARE(dialog.status()->text(), QStringLiteral("Export Projects"));
        dialog.show();
        QTest::mouseClick(dialog.ok(), Qt::LeftButton);
        QTRY_COMPARE(dialog.ok()->text(), LocaleDialog::close());
        // The result names the file written, as a backup's names its file.
        const QString written = db.file(QStringLiteral("Projects.xml"));
        QCOMPARE(dialog.status()->text(), LocaleThread::exportWritten(QDir::toNativeSeparators(written)));
        QVERIFY(QFile::exists(written));
        dialog.close();
    }
};

TESVAR_TEST(ExchangeJobTest)
#include "ExchangeJobTest.moc"
