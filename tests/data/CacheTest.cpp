#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "core/DBSql.h"
#include "data/DBUrlShortcut.h"
#include "data/UtilFileDialog.h"
#include "widgets/WidFolderEdit.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QTest>

#include <memory>

using namespace Vexal;

namespace {

void storeOptions(bool keepLastFolder, const QString& defaultFolder)
{
    DBOptions options;
    options.setKeepLastFolder(keepLastFolder);
    options.setDefaultFolder(defaultFolder);
    DBCache::setOptions(&options);
}

QString storedLastFolder()
{
    return TestDatabase::value(QStringLiteral("SELECT LastFolder FROM Settings;")).toString();
}

void addShortcut(const QString& shortcut, const QString& url)
{
    DBUrlShortcut record;
    record.setName(shortcut);
    record.setShortcut(shortcut);
    record.setUrl(url);
    QVERIFY2(record.save(), qPrintable(record.errorText()));
}

} // namespace

// Every case starts on a fresh database with nothing cached.
class CacheTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init()
    {
        DBCache::reset();
        Logger::resetForTests();
        m_db.reset(new TestDatabase);
        QVERIFY(m_db->isOpen());
    }

    void cleanup()
    {
        DBCache::reset();
        m_db.reset();
    }

    void lastFolderWithKeepOff()
    {
        storeOptions(false, QStringLiteral("/srv/default"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/default"));
        DBCache::setLastFolder(QStringLiteral("/srv/chosen"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/default"));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableSettings()), 0);
        storeOptions(false, QString());
        QCOMPARE(DBCache::lastFolder(), QDir::homePath());
        // Switching the option on later finds nothing remembered.
        storeOptions(true, QStringLiteral("/srv/default"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/default"));
    }

    void lastFolderWithKeepOn()
    {
        storeOptions(true, QStringLiteral("/srv/default"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/default"));

        const QString deep = QStringLiteral("/srv/") + QString(600, QLatin1Char('d'));
        DBCache::setLastFolder(deep);
        QCOMPARE(DBCache::lastFolder(), deep);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableSettings()), 1);
        QCOMPARE(storedLastFolder(), deep);

        // Longer than the Settings row keeps: remembered, the stored one stays.
        const QString tooDeep = QStringLiteral("/srv/") + QString(1100, QLatin1Char('x'));
        DBCache::setLastFolder(tooDeep);
        QCOMPARE(DBCache::lastFolder(), tooDeep);
        QCOMPARE(storedLastFolder(), deep);

        DBCache::setLastFolder(QStringLiteral("/srv/next"));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableSettings()), 1);
        DBCache::reset();
        DBCache::reloadLastFolder();
        storeOptions(true, QStringLiteral("/srv/default"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/next"));
    }

    void lastFolderFailuresAreLogged()
    {
        storeOptions(true, QStringLiteral("/srv/default"));
        DBCache::setLastFolder(QStringLiteral("/srv/before"));
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Settings;")));
        const int errors = Logger::errors().size();
        DBCache::setLastFolder(QStringLiteral("/srv/after"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/after"));
        QCOMPARE(Logger::errors().size(), errors + 1);
        DBCache::reloadLastFolder();
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/srv/after"));
        QCOMPARE(Logger::errors().size(), errors + 2);
    }

    void reloadOptions()
    {
        // An empty table stands for the defaults.
        QVERIFY(DBCache::reloadOptions());
        QCOMPARE(DBCache::maxOpenedTabs(), 15);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 0);

        DBOptions options;
        options.setMaxOpenedTabs(3);
        options.setSaveHistory(false);
        QVERIFY(options.save());
        QVERIFY(DBCache::reloadOptions());
        QCOMPARE(DBCache::maxOpenedTabs(), 3);

        // A failed reload is logged and the cached options stay.
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Options;")));
        const int errors = Logger::errors().size();
        QVERIFY(!DBCache::reloadOptions());
        QCOMPARE(Logger::errors().size(), errors + 1);
        QCOMPARE(DBCache::maxOpenedTabs(), 3);
        QVERIFY(!DBCache::saveHistory());
    }

    void shortcuts()
    {
        addShortcut(QStringLiteral("g"), QStringLiteral("http://first.example/"));
        addShortcut(QStringLiteral("g"), QStringLiteral("http://second.example/"));
        addShortcut(QStringLiteral("doc s"), QStringLiteral("http://docs.example/"));
        DBCache::reloadShortcuts();
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("g")), QStringLiteral("http://first.example/"));
        QVERIFY(DBCache::resolveShortcut(QStringLiteral("doc")).isEmpty());
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("doc s")), QStringLiteral("http://docs.example/"));

        // A failed load leaves the built-in set.
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE UrlShortcut;")));
        const int errors = Logger::errors().size();
        DBCache::reloadShortcuts();
        QCOMPARE(Logger::errors().size(), errors + 1);
        QVERIFY(DBCache::resolveShortcut(QStringLiteral("doc s")).isEmpty());
    }

    // The file dialogs start in the last folder and move it; a form's folder field does not.
    void dialogsStartInAndUpdateTheLastFolder()
    {
        const QString start = m_db->folder();
        storeOptions(true, start);
        const QString stored = QStringLiteral("SELECT %1 FROM %2").arg(DBSql::colLastFolder(),
                                                                        DBSql::tableSettings());

        ScriptedPrompt prompt;
        // Three files chosen for import: the first one's folder is remembered.
        prompt.files << QStringLiteral("/data/a/one.xml") << QStringLiteral("/data/b/two.xml")
                     << QStringLiteral("/data/c/three.xml");
        QCOMPARE(UtilFileDialog::getOpenFileNames(nullptr, UtilFileDialog::filterXml()).size(), 3);
        QCOMPARE(prompt.folders.last(), start);
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/data/a"));
        QCOMPARE(TestDatabase::value(stored).toString(), QStringLiteral("/data/a"));

        prompt.files << QStringLiteral("/data/saved/page.html");
        QCOMPARE(UtilFileDialog::getSaveFileName(nullptr, UtilFileDialog::filterHtml()),
                 QStringLiteral("/data/saved/page.html"));
        QCOMPARE(prompt.folders.last(), QStringLiteral("/data/a"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/data/saved"));

        prompt.files << QStringLiteral("/data/export");
        QCOMPARE(UtilFileDialog::getExistingDirectory(nullptr), QStringLiteral("/data/export"));
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/data/export"));

        // Cancelling any dialog returns nothing and keeps the folder.
        QCOMPARE(UtilFileDialog::getOpenFileNames(nullptr, UtilFileDialog::filterXml()), QStringList());
        QCOMPARE(UtilFileDialog::getOpenFileName(nullptr, UtilFileDialog::filterAll()), QString());
        QCOMPARE(UtilFileDialog::getSaveFileName(nullptr, UtilFileDialog::filterHtml()), QString());
        QCOMPARE(UtilFileDialog::getExistingDirectory(nullptr), QString());
        QCOMPARE(DBCache::lastFolder(), QStringLiteral("/data/export"));
        QCOMPARE(TestDatabase::value(stored).toString(), QStringLiteral("/data/export"));
        QCOMPARE(prompt.folders.last(), QStringLiteral("/data/export"));
    }

    void choosingAFolder()
    {
        ScriptedPrompt prompt;
        const QString lastFolder = DBCache::lastFolder();

        WidFolderEdit field;
        field.init();
        QSignalSpy changed(&field, &WidFolderEdit::onFolderChanged);

        field.setFolder(QStringLiteral("/start"));
        QCOMPARE(field.folder(), QStringLiteral("/start"));
        QCOMPARE(changed.count(), 0); // only the user's choice counts as a change

        const QString chosen = m_db->folder();
        prompt.files << chosen << chosen << QString();
        field.browseButton()->click();
        QCOMPARE(field.folder(), QDir::toNativeSeparators(chosen));
        QCOMPARE(changed.count(), 1);

        field.browseButton()->click(); // the same folder again
        field.browseButton()->click(); // cancelled
        QCOMPARE(field.folder(), QDir::toNativeSeparators(chosen));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(prompt.folders.size(), 3);

        // A form's folder field does not move the remembered folder.
        QCOMPARE(DBCache::lastFolder(), lastFolder);
    }
};

TESVAR_TEST(CacheTest)
#include "CacheTest.moc"
