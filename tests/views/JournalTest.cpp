#include "FileSizeLimit.h"
#include "FreshDatabaseTest.h"
#include "ProjectArea.h"
#include "ScriptedPrompt.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"
#include "JournalDriver.h"
#include "SpyTexts.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "shell/BaseTabObject.h"
#include "shell/WidTabManager.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "views/BaseTableModel.h"
#include "views/DelegateBookmarks.h"
#include "views/DlgUrlShortcut.h"
#include "views/UtilDialog.h"
#include "views/WidUrlShortcutJournal.h"
#include "views/WidDatabaseJournal.h"
#include "views/WidDatabaseTable.h"
#include "views/WidDatabaseTree.h"

#include "automation/templates/WidArticleTemplateEditor.h"
#include "automation/templates/WidDirectoryTemplateEditor.h"
#include "automation/templates/WidLoginTemplateEditor.h"
#include "automation/templates/WidRegistrationTemplateEditor.h"
#include "automation/templates/WidSocialBookmarkTemplateEditor.h"
#include "content/WidArticleEditor.h"
#include "content/WidCategoryEditor.h"
#include "content/WidDirectoryEditor.h"
#include "content/WidLanguageEditor.h"
#include "content/WidSocialBookmarkEditor.h"
#include "content/WidSpinnedArticleEditor.h"
#include "content/WidSynonymEditor.h"
#include "content/WidWordEditor.h"
#include "sites/WidAccountEditor.h"
#include "sites/WidAddressEditor.h"
#include "sites/WidCityEditor.h"
#include "sites/WidCountryEditor.h"
#include "sites/WidFirstNameEditor.h"
#include "sites/WidLastNameEditor.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidProjectEditor.h"
#include "sites/WidRankEditor.h"
#include "sites/WidWebsiteEditor.h"
#include "views/WidBookmarkEditor.h"
#include "views/WidHistoryEditor.h"
#include "views/WidOptionsEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QScopeGuard>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>
#include <QSqlQuery>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>

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
    WidTabManager tabs;
    TestProjectJournal* journal = nullptr;
    explicit Opened(const QStringList& names)
    {
        addProjects(names);
        journal = JournalDriver::openJournal<TestProjectJournal>(tabs);
    }
};

bool enabled(BaseJournal* journal, int id) { return journal->syncManagerObject()->isEnabled(id); }

// Three listed tables (one of them missing from the file) and rows in two.
void fillDatabase()
{
    for (const char* statement :
         {"DELETE FROM UserTable",
          "INSERT INTO UserTable (Name, FriendlyName) VALUES ('Account', 'Accounts'), ('Project', 'Projects'), "
          "('NoSuchTable', 'Ghost')",
          "INSERT INTO Account (Name, Login) VALUES ('a1', 'l1'), ('a2', 'l2')",
          "INSERT INTO Project (Name, Active, URL) VALUES ('p1', 0, 'u')"})
        QVERIFY2(TestDatabase::exec(QString::fromLatin1(statement)), statement);
}

// The filled database and its browser open in a tab.
struct Browser
{
    WidTabManager tabs;
    WidDatabaseJournal* journal = new WidDatabaseJournal;
    Browser()
    {
        fillDatabase();
        tabs.addUniqueTab(journal, nullptr);
    }
};

int projects() { return TestDatabase::rowCount(DBSql::tableProject()); }

// Every editor of the program, by its kind.
template <class Editor>
BaseEditor* make()
{
    return new Editor;
}
const std::map<QString, BaseEditor* (*)()>& everyEditor()
{
    static const std::map<QString, BaseEditor* (*)()> editors = {
        {"account", make<WidAccountEditor>}, {"address", make<WidAddressEditor>},
        {"article", make<WidArticleEditor>}, {"article template", make<WidArticleTemplateEditor>},
        {"bookmark", make<WidBookmarkEditor>}, {"category", make<WidCategoryEditor>},
        {"city", make<WidCityEditor>}, {"country", make<WidCountryEditor>},
        {"directory", make<WidDirectoryEditor>}, {"directory template", make<WidDirectoryTemplateEditor>},
        {"first name", make<WidFirstNameEditor>}, {"history", make<WidHistoryEditor>},
        {"language", make<WidLanguageEditor>}, {"last name", make<WidLastNameEditor>},
        {"login template", make<WidLoginTemplateEditor>}, {"master account", make<WidMasterAccountEditor>},
        {"options", make<WidOptionsEditor>}, {"project", make<WidProjectEditor>},
        {"rank", make<WidRankEditor>}, {"registration template", make<WidRegistrationTemplateEditor>},
        {"social bookmark", make<WidSocialBookmarkEditor>},
        {"social bookmark template", make<WidSocialBookmarkTemplateEditor>},
        {"spun article", make<WidSpinnedArticleEditor>}, {"synonym", make<WidSynonymEditor>},
        {"website", make<WidWebsiteEditor>}, {"word", make<WidWordEditor>},
    };
    return editors;
}

// The fields shown in the grids of the editor that are lower than their row
// asks, as "field: height, needs"; the fields seen go to `shown`.
QStringList squeezedFields(QWidget* editor, QList<QWidget*>& shown)
{
    QStringList squeezed;
    for (QGridLayout* grid : editor->findChildren<QGridLayout*>()) {
        for (int i = 0; i < grid->count(); ++i) {
            QLayoutItem* item = grid->itemAt(i);
            QWidget* field = item->widget();
            if (!field || !field->isVisible())
                continue;
            shown << field;
            if (field->height() < item->sizeHint().height())
                squeezed << QStringLiteral("%1: %2, needs %3")
                                .arg(QString::fromLatin1(field->metaObject()->className()))
                                .arg(field->height())
                                .arg(item->sizeHint().height());
        }
    }
    return squeezed;
}

} // namespace

using namespace JournalDriver;

class JournalTest : public FreshDatabaseTest
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
        const int listed = 1500;
        QVERIFY(TestDatabase::exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Project (Name, Active, URL) SELECT 'drop ' || i, 0, 'u' FROM n")
                .arg(listed)));
        addProjects({QStringLiteral("keep one"), QStringLiteral("keep two")});
        WidTabManager tabs;
        TestProjectJournal* journal = openJournal<TestProjectJournal>(tabs);
        BaseTable* table = journal->tableWidget();
        table->tableModel()->setFilter(QStringLiteral("Name LIKE 'drop%'"));
        QVERIFY(table->tableModel()->select());
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
        QVERIFY(!table->selectionModel()->hasSelection());

        // Select All went with the rows: rows the list gains later come
        // unselected, and the next Delete has nothing to act on.
        tabs.show();
        addProjects({QStringLiteral("drop later one"), QStringLiteral("drop later two")});
        QCoreApplication::processEvents();
        QCOMPARE(table->model()->rowCount(), 2);
        QVERIFY(!table->selectionModel()->hasSelection());
        QVERIFY(!table->allRowsSelected());
        int asked = prompt.messages.size();
        journal->remove();
        QCOMPARE(prompt.messages.size(), asked);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 4);

        // A reload ends Select All: the next Delete has nothing selected.
        table->tableModel()->setFilter(QString());
        QVERIFY(table->tableModel()->select());
        journal->selectAll();
        journal->reload();
        QVERIFY(!table->allRowsSelected());
        asked = prompt.messages.size();
        journal->remove();
        QCOMPARE(prompt.messages.size(), asked);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 4);
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

    void treeListsUserTablesAndTableShowsTheChosenOne()
    {
        Browser browser;
        WidDatabaseJournal* journal = browser.journal;

        WidDatabaseTree* tree = journal->databaseTreeWidget();
        WidDatabaseTable* table = journal->databaseTableWidget();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Projects"));
        QCOMPARE(tree->topLevelItem(1)->data(0, Qt::UserRole).toString(), QStringLiteral("Project"));

        // Opened without a tree item: the account table.
        QVERIFY(!tree->currentItem());
        QCOMPARE(table->model()->rowCount(), 2);

        tree->setCurrentItem(tree->topLevelItem(1));
        QCOMPARE(table->tableModel()->tableName(), QStringLiteral("Project"));
        QCOMPARE(table->model()->rowCount(), 1);
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (Name, Active, URL) VALUES ('p2', 0, 'u')")));
        journal->reload();
        QCOMPARE(table->model()->rowCount(), 2);

        tree->setCurrentItem(tree->topLevelItem(2));
        QCOMPARE(table->model()->rowCount(), 0);
        QVERIFY(Logger::errors().isEmpty());

        // Every column is as wide as its name, also a long one.
        table->showTable(QStringLiteral("Website"));
        QHeaderView* header = table->horizontalHeader();
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        QStringList cut;
        for (int i = 0; i < header->count(); ++i) {
            const QString name = table->model()->headerData(i, Qt::Horizontal).toString();
            if (header->sectionSize(i) < header->fontMetrics().horizontalAdvance(name) + margins)
                cut << QStringLiteral("%1 in %2 px").arg(name).arg(header->sectionSize(i));
        }
        QVERIFY(header->count() > 10);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
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

    void newRecordInsertsOnceThenUpdates()
    {
        TestProjectEditor editor;
        editor.setInit(new Init(-1, nullptr));
        QVERIFY(editor.isModified());
        QVERIFY(saveEnabled(&editor));

        QSignalSpy state(editor.tabObject(), &BaseTabObject::onStateChanged);
        editor.nameEdit->setText(QStringLiteral("Shop"));
        editor.save();
        QCOMPARE(projects(), 1);
        QVERIFY(!editor.isModified());
        QVERIFY(!saveEnabled(&editor));
        QCOMPARE(editor.title(), QStringLiteral("Project: Shop"));
        QCOMPARE(state.count(), 1);
        const int id = editor.init()->id();
        QVERIFY(id > 0);

        editor.urlEdit->setText(QStringLiteral("http://shop.example/"));
        QVERIFY(editor.isModified());
        QVERIFY(saveEnabled(&editor));
        editor.save();
        QCOMPARE(projects(), 1); // the second save updates the same row
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT URL FROM Project WHERE ID = %1").arg(id)).toString(),
                 QStringLiteral("http://shop.example/"));
    }

    void storedRecordOpensCleanAndKeepsHiddenColumns()
    {
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO Project (ID, Name, Comments, Active, URL) VALUES (7, 'Kept', 'notes', 1, 'http://k/')")));
        TestProjectEditor editor;
        editor.setInit(new Init(7, nullptr));
        QCOMPARE(editor.title(), QStringLiteral("Project: Kept"));
        QCOMPARE(editor.urlEdit->text(), QStringLiteral("http://k/"));
        QVERIFY(editor.activeBox->isChecked());
        QVERIFY(!editor.isModified()); // filling does not mark it
        QVERIFY(!saveEnabled(&editor));

        editor.save(); // clean: nothing happens
        QVERIFY(Logger::errors().isEmpty());

        // Changed behind the editor's back: the save starts from the stored row,
        // so a column the form does not show keeps its stored value.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Comments = 'changed' WHERE ID = 7")));
        editor.activeBox->setChecked(false);
        editor.save();
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Comments FROM Project WHERE ID = 7")).toString(),
                 QStringLiteral("changed"));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Active FROM Project WHERE ID = 7")).toInt(), 0);
    }

    // The record of an editor deleted elsewhere (another journal, a job):
    // when the editor opens, before its save and while its update runs. The
    // user is told that it no longer exists; the edits stay on the page.
    void recordGoneIsToldAndTheEditsKept_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("before the editor opens") << "open";
        QTest::newRow("before the save") << "save";
        QTest::newRow("while the update runs") << "update";
    }

    void recordGoneIsToldAndTheEditsKept()
    {
        QFETCH(QString, when);
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (8, 'Shop', 0)")));
        if (when == QLatin1String("open"))
            QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Project WHERE ID = 8")));
        TestProjectEditor editor;
        editor.setInit(new Init(8, nullptr));
        if (when != QLatin1String("open")) {
            QVERIFY(errors.isEmpty());
            editor.nameEdit->setText(QStringLiteral("Renamed"));
            // The update of another job deletes the row just before its own runs.
            QVERIFY(TestDatabase::exec(
                when == QLatin1String("save")
                    ? QStringLiteral("DELETE FROM Project WHERE ID = 8")
                    : QStringLiteral("CREATE TEMP TRIGGER deletedMeanwhile BEFORE UPDATE ON Project BEGIN "
                                     "DELETE FROM Project WHERE ID = OLD.ID; END;")));
            editor.save();
            TestDatabase::exec(QStringLiteral("DROP TRIGGER IF EXISTS deletedMeanwhile;"));
            QVERIFY(editor.isModified());
            QVERIFY(saveEnabled(&editor));
            QCOMPARE(editor.nameEdit->text(), QStringLiteral("Renamed"));
            QCOMPARE(editor.title(), QStringLiteral("Project: Shop"));
        }
        const QString gone = QStringLiteral("The Project (ID 8) no longer exists: it was deleted meanwhile.");
        QCOMPARE(spyTexts(errors), QStringList{gone});
        QVERIFY(errors.first().at(1).toBool()); // shown until closed
        QCOMPARE(Logger::errors().size(), 1);
        QVERIFY(Logger::errors().last().contains(gone));
        QVERIFY(Logger::errors().last().contains(QStringLiteral("TestProjectEditor.")) || when == QLatin1String("open"));
        QCOMPARE(projects(), 0); // nothing re-inserted
    }

    // In the tab of the smallest main window every field keeps the height of
    // its row, and the page scrolls to the last one.
    void everyEditorKeepsItsRowsAndScrolls_data()
    {
        QTest::addColumn<QString>("kind");
        for (const auto& editor : everyEditor())
            QTest::newRow(qPrintable(editor.first)) << editor.first;
    }

    void everyEditorKeepsItsRowsAndScrolls()
    {
        QFETCH(QString, kind);
        WidTabManager tabs;
        BaseEditor* editor = everyEditor().at(kind)();
        tabs.addUniqueTab(editor, new Init(-1, nullptr));
        // What the tab area of an 800 x 500 window holds.
        tabs.setFixedSize(790, 380);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QList<QTabWidget*> pageSets = editor->findChildren<QTabWidget*>();
        const int pages = pageSets.isEmpty() ? 1 : pageSets.first()->count();
        for (int page = 0; page < pages; ++page) {
            if (!pageSets.isEmpty())
                pageSets.first()->setCurrentIndex(page);
            QList<QWidget*> shown;
            QTRY_VERIFY2(squeezedFields(editor, shown).isEmpty(), qPrintable(squeezedFields(editor, shown).join("; ")));
            for (QScrollArea* area : editor->findChildren<QScrollArea*>()) {
                QWidget* last = nullptr;
                for (QWidget* field : shown)
                    if (area->widget()->isAncestorOf(field))
                        last = field;
                if (!last)
                    continue;
                area->ensureWidgetVisible(last);
                QTRY_VERIFY2(!last->visibleRegion().isEmpty(), last->metaObject()->className());
            }
        }
    }

    // The wheel over a spin box, combo box or slider of an editor page
    // changes it only while it has the focus (and gives it no focus);
    // otherwise it scrolls the page and leaves the value and the modified
    // flag alone. Scrolling down the master account editor turned its
    // Question from 0 into 7 and marked the editor modified.
    void wheelChangesOnlyTheFocusedControl_data() { everyEditorKeepsItsRowsAndScrolls_data(); }

    void wheelChangesOnlyTheFocusedControl()
    {
        QFETCH(QString, kind);
        WidTabManager tabs;
        BaseEditor* editor = everyEditor().at(kind)();
        tabs.addUniqueTab(editor, new Init(-1, nullptr));
        tabs.setFixedSize(790, 200); // every page scrolls
        tabs.show();
        QVERIFY(QTest::qWaitForWindowActive(&tabs));
        QList<QTabWidget*> pageSets = editor->findChildren<QTabWidget*>();
        const int pages = pageSets.isEmpty() ? 1 : pageSets.first()->count();
        int checked = 0;
        for (int page = 0; page < pages; ++page) {
            if (!pageSets.isEmpty())
                pageSets.first()->setCurrentIndex(page);
            for (QWidget* control : editor->findChildren<QWidget*>()) {
                auto* spin = qobject_cast<QAbstractSpinBox*>(control);
                auto* combo = qobject_cast<QComboBox*>(control);
                QScrollArea* area = nullptr;
                for (QWidget* up = control; up && !area; up = up->parentWidget())
                    area = qobject_cast<QScrollArea*>(up);
                if ((!spin && !combo) || !control->isVisible() || !area)
                    continue;
                const QString name = QStringLiteral("%1 on page %2").arg(control->metaObject()->className()).arg(page);
                QVERIFY2((control->focusPolicy() & Qt::WheelFocus) != Qt::WheelFocus, qPrintable(name));
                // The way that changes the value (a turn down steps a spin
                // box down and a combo box to its next item).
                const auto* numbers = qobject_cast<QSpinBox*>(control);
                const bool up = combo ? combo->currentIndex() + 1 >= combo->count()
                                      : !numbers || numbers->value() < numbers->maximum();
                const auto value = [&] { return spin ? spin->text() : QString::number(combo->currentIndex()); };
                const auto turn = [&] {
                    QWheelEvent wheel(QPointF(5, 5), QPointF(control->mapToGlobal(QPoint(5, 5))), QPoint(),
                                      QPoint(0, up ? 120 : -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                      false);
                    QApplication::sendEvent(control, &wheel);
                };
                QScrollBar* bar = area->verticalScrollBar();
                QVERIFY2(bar->maximum() > 0, qPrintable(name));
                bar->setValue(up ? bar->maximum() : 0);
                control->clearFocus();
                editor->setModified(false);
                const QString before = value();
                turn();
                QVERIFY2(value() == before, qPrintable(name));
                QVERIFY2(!editor->isModified(), qPrintable(name));
                QVERIFY2(bar->value() != (up ? bar->maximum() : 0), qPrintable(name));

                const bool canChange = control->isEnabled() && (combo ? combo->count() > 1 : !spin->isReadOnly());
                if (!canChange)
                    continue;
                control->setFocus();
                QTRY_VERIFY2(control->hasFocus(), qPrintable(name));
                turn();
                QVERIFY2(value() != before, qPrintable(name));
                ++checked;
            }
        }
        if (kind == QLatin1String("master account") || kind == QLatin1String("options"))
            QVERIFY(checked >= 2);
    }

    // A save that fails for a cause the user can act on names it, in the
    // words the jobs use, and what the user typed stays. An editor tab
    // names it on the bar until the user closes it (a stored project is
    // saved again; the editors of sites, accounts, master accounts, the
    // identity tables and the options store a new record). A modal dialog
    // that stores at OK (a URL shortcut of the options, a bookmark) names it
    // in a box and opens again on what was typed.
    void failedSaveNamesItsCause_data()
    {
        addColumns<QString, QString, QString, QString>("kind", "table", "cause", "named");
        const struct {
            const char* kind;
            const char* table;
        } editors[] = {{"project", "Project"},         {"website", "Website"},
                       {"account", "Account"},         {"master account", "MasterAccount"},
                       {"first name", "FirstName"},    {"options", "Options"},
                       {"url shortcut dialog", "UrlShortcut"}, {"bookmark dialog", "Bookmark"}};
        for (const auto& editor : editors) {
            const auto row = [&editor](const char* cause) {
                return &(QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(editor.kind),
                                                                              QLatin1String(cause))))
                         << editor.kind << editor.table);
            };
            *row("full disk") << "full" << QString::fromLocal8Bit(std::strerror(ENOSPC));
            *row("file-size limit") << "limit" << QString::fromLocal8Bit(std::strerror(EFBIG));
            *row("read-only database") << "readonly" << QStringLiteral("attempt to write a readonly database");
            *row("locked database") << "locked" << QStringLiteral("database is locked");
        }
    }

    void failedSaveNamesItsCause()
    {
        QFETCH(QString, kind);
        QFETCH(QString, table);
        QFETCH(QString, cause);
        QFETCH(QString, named);
        // A name's language, the current project and a website for an
        // account to belong to.
        ScriptedPrompt prompt;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Language (ID, Name) VALUES (2, 'English')")));
        QVERIFY(useProject(QStringLiteral("Home")) > 0);
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Website (ID, Name, Type) VALUES (3, 'Mail', 4)")));
        const QString longName(DBBase::nameLimit, QLatin1Char('n'));
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        // The fault, in place until the save ran.
        const QString holder = QStringLiteral("holder");
        std::unique_ptr<FileSizeLimit> limit;
        const auto putInPlace = [&] {
            if (cause == QLatin1String("full")) {
                // The file may not grow, and the pages of the table are filled up.
                QVERIFY(TestDatabase::exec(
                    QStringLiteral("PRAGMA max_page_count = %1;")
                        .arg(TestDatabase::value(QStringLiteral("PRAGMA page_count;")).toInt())));
                const QString filler = QStringLiteral("INSERT INTO %1 (Name) VALUES ('%2')").arg(table, longName);
                int rows = 0;
                while (rows < 100000 && TestDatabase::exec(filler))
                    ++rows;
                QVERIFY(rows < 100000);
            } else if (cause == QLatin1String("limit")) {
                limit = std::make_unique<FileSizeLimit>(4096);
                QVERIFY(limit->ok());
            } else if (cause == QLatin1String("readonly")) {
                QVERIFY(TestDatabase::exec(QStringLiteral("PRAGMA query_only = 1;")));
            } else {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
                other.setDatabaseName(database().databaseFile());
                QVERIFY(other.open());
                QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE;")));
            }
        };
        const auto takeAway = [&] {
            limit.reset();
            TestDatabase::exec(QStringLiteral("PRAGMA query_only = 0;"));
            if (QSqlDatabase::contains(holder)) {
                QSqlDatabase::database(holder).close();
                QSqlDatabase::removeDatabase(holder);
            }
        };

        if (kind.endsWith(QLatin1String(" dialog"))) {
            // The user types into the dialog and presses OK; shown again
            // after the failure, the dialog is cancelled.
            QStringList shown;
            int runs = 0;
            UtilDialog::setRunner([&](QDialog* dialog) {
                QLineEdit* field = dialog->findChild<QLineEdit*>();
                if (auto* shortcut = qobject_cast<DlgUrlShortcut*>(dialog))
                    field = shortcut->nameEdit();
                if (++runs > 1) {
                    shown << field->text();
                    return int(QDialog::Rejected);
                }
                field->setText(longName);
                putInPlace();
                return int(QDialog::Accepted);
            });
            const auto restore = qScopeGuard([] { UtilDialog::setRunner({}); });
            WidTabManager tabs;
            WidUrlShortcutJournal journal;
            DelegateBookmarks bookmarks(&tabs, nullptr);
            if (kind == QLatin1String("url shortcut dialog")) {
                journal.setInit(nullptr);
                journal.open();
                journal.add();
            } else {
                QVERIFY(!bookmarks.bookmarkWithDialog(QUrl(QStringLiteral("http://b.test/")), QStringLiteral("B"),
                                                      QPixmap()));
            }
            takeAway();
            QCOMPARE(runs, 2);
            QCOMPARE(shown, QStringList{longName});
            QCOMPARE(spyTexts(errors), QStringList());
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages.first().icon, QMessageBox::Warning);
            QCOMPARE(prompt.messages.first().text, LocaleMessage::operationFailedBecause(named));
            return;
        }

        std::unique_ptr<BaseEditor> editor;
        if (kind == QLatin1String("project")) {
            QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (8, 'Shop', 0)")));
            editor = std::make_unique<TestProjectEditor>();
            editor->setInit(new Init(8, nullptr));
        } else {
            editor.reset(everyEditor().at(kind)());
            editor->setInit(new Init(-1, nullptr));
        }
        // What the user typed: the name, or the first text field of a form
        // without one.
        QLineEdit* typed = editor->nameEdit;
        for (QLineEdit* edit : editor->findChildren<QLineEdit*>()) {
            if (!typed && !edit->isReadOnly() && !qobject_cast<QAbstractSpinBox*>(edit->parentWidget())
                && !qobject_cast<QComboBox*>(edit->parentWidget()))
                typed = edit;
        }
        QVERIFY(typed);
        typed->setText(longName);
        putInPlace();
        editor->save();
        takeAway();
        QCOMPARE(spyTexts(errors), QStringList{LocaleMessage::operationFailedBecause(named)});
        QVERIFY(errors.first().at(1).toBool()); // shown until closed
        QVERIFY(editor->isModified());
        QCOMPARE(typed->text(), longName);
        QCOMPARE(prompt.messages.size(), 0);
    }

    // A row that cannot be read is no proof that it is gone.
    void failedReadIsNoDeletedRecord()
    {
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (8, 'Shop', 0)")));
        TestProjectEditor editor;
        editor.setInit(new Init(8, nullptr));
        editor.nameEdit->setText(QStringLiteral("Renamed"));
        QVERIFY(TestDatabase::exec(QStringLiteral("ALTER TABLE Project RENAME TO ProjectAway")));
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        editor.save();
        QVERIFY(TestDatabase::exec(QStringLiteral("ALTER TABLE ProjectAway RENAME TO Project")));
        QCOMPARE(spyTexts(errors), QStringList{LocaleBaseWidget::unexpectedError()});
        QVERIFY(Logger::errors().last().contains(QStringLiteral("SQL Query failed")));
        QVERIFY(editor.isModified());
    }
};

TESVAR_TEST(JournalTest)
#include "JournalTest.moc"
