#include "FreshStateTest.h"
#include "ProjectArea.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"
#include "JournalDriver.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "shell/WidTabManager.h"
#include "texts/LocaleMessage.h"
#include "views/BaseTableModel.h"

#include <QTest>

using namespace Vexal;

namespace {

// An area that has not got an editor yet.
class TestNoEditorJournal : public BaseJournal
{
    Q_OBJECT
public:
    using BaseJournal::BaseJournal;

protected:
    void createTable() override { installTable(new TestProjectTable(m_syncManager, this)); }
};

void addProjects(const QStringList& names)
{
    for (const QString& name : names)
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (Name, Active, URL) VALUES ('%1', 0, 'u')")
                                       .arg(name)));
}

// Projects of the given names and their journal open in a tab.
struct Opened
{
    TestDatabase db;
    WidTabManager tabs;
    TestProjectJournal* journal = nullptr;
    explicit Opened(const QStringList& names)
    {
        addProjects(names);
        journal = JournalDriver::openJournal<TestProjectJournal>(tabs);
    }
};

bool enabled(BaseJournal* journal, int id) { return journal->syncManagerObject()->isEnabled(id); }

} // namespace

using namespace JournalDriver;

class JournalTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void commandsFollowTheSelection()
    {
        Opened opened({QStringLiteral("a"), QStringLiteral("b")});
        TestProjectJournal* journal = opened.journal;
        QCOMPARE(rows(journal), 2);

        QVERIFY(enabled(journal, 1) && enabled(journal, 10) && enabled(journal, 11) && enabled(journal, 12));
        QVERIFY(!enabled(journal, 2) && !enabled(journal, 3));
        selectRows(journal->tableWidget(), {0});
        QVERIFY(enabled(journal, 2) && enabled(journal, 3));

        // A reload drops the selection without a selectionChanged signal.
        journal->reload();
        QVERIFY(!enabled(journal, 2) && !enabled(journal, 3));
    }

    void addAndEditOpenEditorTabs()
    {
        Opened opened({QStringLiteral("a"), QStringLiteral("b")});
        TestProjectJournal* journal = opened.journal;
        WidTabManager& tabs = opened.tabs;
        const int before = tabs.count();

        journal->edit(); // nothing selected: silently nothing
        QCOMPARE(tabs.count(), before);
        QVERIFY(Logger::errors().isEmpty());

        journal->add();
        QCOMPARE(tabs.count(), before + 1);
        auto* created = qobject_cast<TestProjectEditor*>(tabs.currentWidget());
        QVERIFY(created);
        QCOMPARE(created->init()->id(), -1);
        QCOMPARE(created->title(), QStringLiteral("Project New"));

        selectRows(journal->tableWidget(), {1});
        const int id = journal->tableWidget()->selectedId();
        QVERIFY(id > 0);
        emit journal->tableWidget()->onEdit(); // a double click
        QCOMPARE(tabs.count(), before + 2);
        auto* edited = qobject_cast<TestProjectEditor*>(tabs.currentWidget());
        QVERIFY(edited && edited != created);
        QCOMPARE(edited->init()->id(), id);
        QCOMPARE(edited->title(), QStringLiteral("Project: b"));

        // Saving in the editor writes the row; the journal shows it on reload.
        edited->nameEdit->setText(QStringLiteral("b2"));
        edited->save();
        journal->reload();
        QCOMPARE(journal->tableWidget()->model()->index(1, 1).data().toString(), QStringLiteral("b2"));
    }

    void missingTabManagerOrEditorIsReported()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        addProjects({QStringLiteral("a")});
        {
            TestProjectJournal loose; // not in a tab manager
            loose.setInit(nullptr);
            loose.open();
            loose.add();
            QVERIFY(Logger::errors().last().contains(LocaleMessage::invalidObjectState(QStringLiteral("TabManager"))));
            QVERIFY(Logger::errors().last().contains(QStringLiteral("TestProjectJournal.")));
        }
        WidTabManager tabs;
        TestNoEditorJournal* journal = openJournal<TestNoEditorJournal>(tabs);
        const int before = tabs.count();
        journal->add();
        QVERIFY(Logger::errors().last().contains(LocaleMessage::invalidObjectState(QStringLiteral("Tab"))));
        selectRows(journal->tableWidget(), {0});
        journal->edit();
        QVERIFY(Logger::errors().last().contains(LocaleMessage::invalidObjectState(QStringLiteral("tab"))));
        QCOMPARE(tabs.count(), before);
    }

    void deleteAsksThenDeletesTheSelectedRows()
    {
        Opened opened({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        TestProjectJournal* journal = opened.journal;
        BaseTable* table = journal->tableWidget();
        ScriptedPrompt prompt;

        journal->remove(); // nothing selected: no question
        QVERIFY(prompt.messages.isEmpty());

        selectRows(table, {0, 1, 3});
        prompt.answers.enqueue(QMessageBox::No);
        journal->remove();
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).text, LocaleMessage::confirmDeleteRecordCount(3));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 4);

        prompt.answers.enqueue(QMessageBox::Yes);
        journal->remove();
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 1);
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("c"));
        QVERIFY(!enabled(journal, 3));
    }

    // Select All then Delete acts on every row the journal lists, also the
    // rows the view has not fetched, and on no row it does not list.
    void selectAllDeleteActsOnEveryListedRow()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        const int listed = 1500;
        QVERIFY(TestDatabase::exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Project (Name, Active, URL) SELECT 'drop ' || i, 0, 'u' FROM n")
                .arg(listed)));
        addProjects({QStringLiteral("keep one"), QStringLiteral("keep two")});
        WidTabManager tabs;
        TestProjectJournal* journal = openJournal<TestProjectJournal>(tabs);
        BaseTable* table = journal->tableWidget();
        QVERIFY(table->tableModel()->selectWhere(QStringLiteral("Name LIKE 'drop%'")));
        const int fetched = table->model()->rowCount();
        QVERIFY(fetched < listed);
        ScriptedPrompt prompt;

        // A selection of fetched rows stays a selection of those rows.
        journal->selectAll();
        QVERIFY(table->allRowsSelected());
        selectRows(table, {0, 1});
        QVERIFY(!table->allRowsSelected());
        prompt.answers.enqueue(QMessageBox::No);
        journal->remove();
        QCOMPARE(prompt.messages.last().text, LocaleMessage::confirmDeleteRecordCount(2));

        // Rows fetched after Select All come selected.
        journal->selectAll();
        table->tableModel()->fetchMore();
        QVERIFY(table->model()->rowCount() > fetched);
        QCOMPARE(table->selectionModel()->selectedRows().size(), table->model()->rowCount());
        QVERIFY(table->allRowsSelected());

        prompt.answers.enqueue(QMessageBox::No);
        journal->remove();
        QCOMPARE(prompt.messages.last().text, LocaleMessage::confirmDeleteRecordCount(listed));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), listed + 2);

        prompt.answers.enqueue(QMessageBox::Yes);
        journal->remove();
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 2);
        QCOMPARE(table->model()->rowCount(), 0);
        QVERIFY(!table->allRowsSelected());

        // A reload ends Select All: the next Delete has nothing selected.
        QVERIFY(table->tableModel()->selectWhere(QString()));
        journal->selectAll();
        journal->reload();
        QVERIFY(!table->allRowsSelected());
        const int asked = prompt.messages.size();
        journal->remove();
        QCOMPARE(prompt.messages.size(), asked);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 2);
    }

    void filterCommandRunsTheDialogOnTheTableFilters()
    {
        Opened opened({QStringLiteral("shop one"), QStringLiteral("blog"), QStringLiteral("shop two")});
        TestProjectJournal* journal = opened.journal;
        filterBy(journal, DBSql::colName(), -1, QStringLiteral("shop"));
        QCOMPARE(rows(journal), 2);
        journal->slotRemoveFilter();
        QCOMPARE(rows(journal), 3);
    }

};

TESVAR_TEST(JournalTest)
#include "JournalTest.moc"
