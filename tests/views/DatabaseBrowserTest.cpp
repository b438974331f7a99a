#include "FreshStateTest.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "shell/WidTabManager.h"
#include "views/BaseTableModel.h"
#include "views/WidDatabaseJournal.h"
#include "views/WidDatabaseTable.h"
#include "views/WidDatabaseTree.h"

#include <QTest>

using namespace Vexal;

namespace {

bool exec(const QString& statement)
{
    return TestDatabase::exec(statement);
}

void fillDatabase()
{
    QVERIFY(exec(QStringLiteral("INSERT INTO UserTable (Name, FriendlyName) VALUES ('Account', 'Accounts')")));
    QVERIFY(exec(QStringLiteral("INSERT INTO UserTable (Name, FriendlyName) VALUES ('Project', 'Projects')")));
    QVERIFY(exec(QStringLiteral("INSERT INTO UserTable (Name, FriendlyName) VALUES ('NoSuchTable', 'Ghost')")));
    QVERIFY(exec(QStringLiteral("INSERT INTO Account (Name, Login) VALUES ('a1', 'l1')")));
    QVERIFY(exec(QStringLiteral("INSERT INTO Account (Name, Login) VALUES ('a2', 'l2')")));
    QVERIFY(exec(QStringLiteral("INSERT INTO Project (Name, Active, URL) VALUES ('p1', 0, 'u')")));
}

// The filled database and its browser open in a tab.
struct Browser
{
    TestDatabase db;
    WidTabManager tabs;
    WidDatabaseJournal* journal = new WidDatabaseJournal;
    Browser()
    {
        fillDatabase();
        tabs.addUniqueTab(journal, nullptr);
    }
};

} // namespace

class DatabaseBrowserTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void treeListsUserTablesAndTableShowsTheChosenOne()
    {
        Browser browser;
        WidDatabaseJournal* journal = browser.journal;

        WidDatabaseTree* tree = journal->databaseTreeWidget();
        WidDatabaseTable* table = journal->databaseTableWidget();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Projects"));
        QCOMPARE(tree->topLevelItem(1)->data(0, Qt::UserRole).toString(), QStringLiteral("Project"));

        // Opened without a tree item: the account table, SQL names as headers.
        QVERIFY(!tree->currentItem());
        QCOMPARE(table->model()->rowCount(), 2);
        QCOMPARE(table->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));

        tree->setCurrentItem(tree->topLevelItem(1));
        QCOMPARE(table->tableModel()->tableName(), QStringLiteral("Project"));
        QCOMPARE(table->model()->rowCount(), 1);
        QVERIFY(exec(QStringLiteral("INSERT INTO Project (Name, Active, URL) VALUES ('p2', 0, 'u')")));
        journal->reload();
        QCOMPARE(table->model()->rowCount(), 2);

        tree->setCurrentItem(tree->topLevelItem(2));
        QCOMPARE(table->model()->rowCount(), 0);
        QVERIFY(Logger::errors().isEmpty());
    }

    void recordCommandsAreOffAndDeleteDoesNothing()
    {
        Browser browser;
        WidDatabaseJournal* journal = browser.journal;
        SyncManager* sync = journal->syncManagerObject();

        journal->databaseTableWidget()->selectRow(0);
        QVERIFY(sync->isEnabled(BaseTable::CommandReload));
        for (int id : {1, 2, 3, 11, 12, 15, 16, 17})
            QVERIFY2(!sync->isEnabled(id), qPrintable(QString::number(id)));

        ScriptedPrompt prompt;
        prompt.defaultAnswer = QMessageBox::Yes;
        journal->remove();
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Account")), 2);
    }
};

TESVAR_TEST(DatabaseBrowserTest)
#include "DatabaseBrowserTest.moc"
