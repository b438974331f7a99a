#include "FreshDatabaseTest.h"
#include "ProjectArea.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBColumn.h"
#include "data/DBColumnList.h"
#include "views/BaseTableHeader.h"
#include "views/BaseTableModel.h"
#include "views/DlgSetupColumns.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "views/UtilDialog.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Vexal;

namespace {

const int colName = 1, colComments = 2, colActive = 3, colUrl = 4;

void addProject(const QString& name, bool active = false, const QString& comments = QString())
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("INSERT INTO Project (Name, Comments, Active, URL) VALUES (?, ?, ?, ?)"));
    query.addBindValue(name);
    query.addBindValue(comments);
    query.addBindValue(active ? 1 : 0);
    query.addBindValue(QStringLiteral("http://www.%1.example/").arg(name.size()));
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

QStringList names(const QAbstractItemModel* model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result << model->index(row, colName).data().toString();
    return result;
}

SqlFilter* userFilter(SqlFilterCollection* filters, const QString& column)
{
    for (int i = 0; i < filters->count(); ++i)
        if (filters->filterAt(i)->column() == column)
            return filters->filterAt(i);
    return nullptr;
}

// A project table built on its own page, as a journal builds it.
struct Fixture
{
    SyncManager sync;
    TestProjectTable table{&sync, nullptr};
    Fixture() { table.build(); }
};

} // namespace

class TableTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void loadsOnlyOnLoadAndShowsKinds()
    {
        addProject(QStringLiteral("Alpha"), true);
        addProject(QStringLiteral("Beta"));
        addProject(QStringLiteral("Gamma"));

        Fixture f;
        QCOMPARE(f.table.model()->rowCount(), 0); // "1 = 2" until the first load
        QVERIFY(f.table.load());
        QCOMPARE(f.table.model()->rowCount(), 3);

        QAbstractItemModel* model = f.table.model();
        // Bool column: a check mark, no text; user-checkable but not editable.
        const QModelIndex active = model->index(0, colActive);
        QVERIFY(!active.data(Qt::DisplayRole).isValid());
        QCOMPARE(active.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model->index(1, colActive).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(model->flags(active) & Qt::ItemIsUserCheckable);
        QVERIFY(!model->setData(active, Qt::Unchecked, Qt::CheckStateRole));
        // No cell is edited in place.
        for (const QModelIndex& cell : {active, model->index(0, colName)}) {
            QVERIFY(!(model->flags(cell) & Qt::ItemIsEditable));
            QVERIFY(!model->setData(cell, QStringLiteral("typed")));
        }
        // Header entries are enabled from the start; row entries are not.
        QVERIFY(f.table.syncManagerObject()->isEnabled(BaseTable::CommandSetupColumns));
        QVERIFY(!f.table.syncManagerObject()->isEnabled(BaseTable::CommandAdd));
    }

    void dateTimesShowLocaleFreeAndAnySetWorks()
    {
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO History (Name, Title, URL, CreateDate) VALUES ('a', 'A', 'http://a/', '2024-03-01T14:05:09')")));
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO History (Name, Title, URL, CreateDate) VALUES ('b', 'B', 'http://b/', '2024-03-02T08:00:00.000')")));

        // No area code at all: a column set and a table are enough.
        SyncManager sync;
        BaseTable table(&sync, nullptr, &DBSql::tableHistory);
        table.build();
        QVERIFY(table.load());
        const int createDate = 6;
        QCOMPARE(table.model()->index(0, createDate).data().toString(), QStringLiteral("2024-03-01 14:05:09"));
        QCOMPARE(table.model()->index(1, createDate).data().toString(), QStringLiteral("2024-03-02 08:00:00"));
        // The icon bytes (hidden everywhere) are drawn in the column to their right.
        QVERIFY(table.tableModel()->isIconColumn(4));
        QVERIFY(table.isColumnHidden(3));
    }

    void everyDefaultSetMatchesItsView()
    {
        for (const DBDefaultColumns::ColumnSet& set : DBDefaultColumns::all()) {
            SyncManager sync;
            BaseTable table(&sync, nullptr, set.table);
            table.build();
            const QByteArray which = table.viewName().toUtf8();
            QVERIFY2(table.load(), which.constData());
            QCOMPARE(table.columnList()->at(3)->name(), set.columns[0].name(false));
            // Column i of the layout is column i of the view.
            QCOMPARE(table.model()->columnCount(), table.columnList()->count());
            for (int c = 0; c < table.columnList()->count(); ++c)
                QVERIFY2(table.tableModel()->columnName(c) == table.columnList()->at(c)->name(),
                         which.constData());
        }
    }

    void filtersSortAndRecoveryFromRejectedFilter()
    {
        addProject(QStringLiteral("O'Brien shop"));
        addProject(QStringLiteral("Привет shop"));
        addProject(QStringLiteral("Other"));

        Fixture f;
        QVERIFY(f.table.load());
        SqlFilter* name = userFilter(f.table.filterCollection(), DBSql::colName());
        QVERIFY(name);
        name->setEnabled(true);
        name->setValue(QStringLiteral("O'Brien"));
        QVERIFY(f.table.removeFilter()); // disables it again
        QCOMPARE(f.table.model()->rowCount(), 3);

        name->setEnabled(true);
        QVERIFY(f.table.load());
        QCOMPARE(names(f.table.model()), QStringList{QStringLiteral("O'Brien shop")});
        name->setValue(QStringLiteral("Привет"));
        QVERIFY(f.table.load());
        QCOMPARE(names(f.table.model()), QStringList{QStringLiteral("Привет shop")});
        name->setValue(QStringLiteral("shop"));
        QVERIFY(f.table.load());
        QCOMPARE(f.table.model()->rowCount(), 2);

        // Sorting re-selects with the filter in force.
        f.table.horizontalHeader()->setSortIndicator(colName, Qt::DescendingOrder); // a header click
        QCOMPARE(names(f.table.model()), (QStringList{QStringLiteral("Привет shop"), QStringLiteral("O'Brien shop")}));

        // A condition the database rejects: reported, table empty...
        SqlFilter* bad = f.table.filterCollection()->fixedCount() == 0
            ? new SqlFilter(f.table.filterCollection()) : nullptr;
        QVERIFY(bad);
        bad->setType(1);
        bad->setColumn(QStringLiteral("NoSuchColumn"));
        bad->setValue(1);
        bad->setEnabled(true);
        f.table.filterCollection()->addFixedFilter(bad);
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(!f.table.load());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), LocaleMessage::unexpectedError());
        QCOMPARE(Logger::errors().size(), 1);
        QVERIFY(Logger::errors().first().contains(QStringLiteral("NoSuchColumn")));
        QCOMPARE(f.table.model()->rowCount(), 0);
        QVERIFY(!f.table.reload());
        QCOMPARE(errors.count(), 2);
        f.table.horizontalHeader()->setSortIndicator(colName, Qt::AscendingOrder); // sorting selects too
        QCOMPARE(errors.count(), 3);

        // ...and it recovers once the condition is gone (setFilter alone would
        // not select again after a failed select).
        bad->setEnabled(false);
        QVERIFY(f.table.removeFilter());
        QCOMPARE(f.table.model()->rowCount(), 3);
        QCOMPARE(errors.count(), 3);
        QCOMPARE(names(f.table.model()).first(), QStringLiteral("O'Brien shop")); // sort kept
    }

    void saveAndRestoreLayout()
    {
        const QString widgetId = DBDefaultColumns::forTable(DBSql::tableProject())->id();
        const QString stored = QStringLiteral("SELECT COUNT(*) FROM Column WHERE WidgetID = '%1'").arg(widgetId);
        QSignalSpy infos(UtilSignalManager::instance(), &UtilSignalManager::onInfo);
        int count = 0;
        {
            Fixture f;
            count = f.table.columnList()->count();
            f.table.slotSaveLayout(); // never stored: every column inserted
            QCOMPARE(TestDatabase::value(stored).toInt(), count);
            QCOMPARE(infos.count(), 1);

            f.table.setColumnWidth(colName, 220);
            f.table.setColumnHidden(colUrl, true);
            f.table.horizontalHeader()->moveSection(f.table.horizontalHeader()->visualIndex(colActive), 0);
            f.table.slotSaveLayout(); // updates, no new rows
            QCOMPARE(TestDatabase::value(stored).toInt(), count);
        }
        {
            Fixture f; // a new table restores the stored layout
            QCOMPARE(f.table.columnWidth(colName), 220);
            QVERIFY(f.table.isColumnHidden(colUrl));
            QCOMPARE(f.table.horizontalHeader()->visualIndex(colActive), 0);
            // The hidden URL column kept its last stored width.
            QCOMPARE(f.table.columnList()->at(colUrl)->width(), 100);

            ScriptedPrompt prompt;
            prompt.answers.enqueue(QMessageBox::No);
            f.table.slotRestoreLayout();
            QCOMPARE(prompt.messages.size(), 1);
            QVERIFY(f.table.isColumnHidden(colUrl));
            QCOMPARE(TestDatabase::value(stored).toInt(), count);

            prompt.answers.enqueue(QMessageBox::Yes);
            f.table.slotRestoreLayout();
            QCOMPARE(TestDatabase::value(stored).toInt(), 0);
            QVERIFY(!f.table.isColumnHidden(colUrl));
            QCOMPARE(f.table.horizontalHeader()->visualIndex(colActive), colActive);
            QCOMPARE(f.table.columnWidth(colName), 100);
            QVERIFY(f.table.columnList()->at(colUrl)->id() < 0);

            // The default layout was never stored: restoring it again has
            // nothing to delete and succeeds.
            QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
            prompt.answers.enqueue(QMessageBox::Yes);
            f.table.slotRestoreLayout();
            QCOMPARE(errors.count(), 0);
            QVERIFY(f.table.columnList()->count() == count);
        }
    }

    void setupColumnsChangesOnlyClickedColumns()
    {
        Fixture f;
        bool okWhenNoneChecked = true;
        int listed = 0;
        UtilDialog::setRunner([&](QDialog* dialog) {
            auto* setup = qobject_cast<DlgSetupColumns*>(dialog);
            if (!setup)
                return int(QDialog::Rejected);
            QListWidget* list = setup->listWidget();
            listed = list->count();
            for (int i = 0; i < list->count(); ++i) {
                list->item(i)->setCheckState(Qt::Unchecked);
                setup->slotItemClicked(list->item(i));
            }
            okWhenNoneChecked = setup->acceptButton()->isEnabled();
            // Check "Comments" only and accept.
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->text() == LocaleSql::colComments())
                    list->item(i)->setCheckState(Qt::Checked);
            setup->slotItemClicked(list->item(0));
            if (!setup->acceptButton()->isEnabled())
                return int(QDialog::Rejected);
            setup->slotAccept();
            return setup->result();
        });
        f.table.slotSetupColumns();
        // Every column the view may show, once.
        int shown = 0;
        for (int c = 0; c < f.table.columnList()->count(); ++c)
            shown += f.table.columnList()->at(c)->visibleInView() ? 1 : 0;
        QVERIFY(shown > 0);
        QCOMPARE(listed, shown);
        QVERIFY(!okWhenNoneChecked);
        QVERIFY(!f.table.isColumnHidden(colComments));
        QVERIFY(f.table.isColumnHidden(colName));
        QVERIFY(f.table.isColumnHidden(colUrl));
        // Nothing stored until Save Layout.
        QCOMPARE(TestDatabase::rowCount(DBSql::tableColumn()), 0);

        // Rejected: nothing changes.
        UtilDialog::setRunner([](QDialog*) { return int(QDialog::Rejected); });
        f.table.slotSetupColumns();
        QVERIFY(!f.table.isColumnHidden(colComments));
    }

    // The selected ids in the order of ID, the first selected row's for single-row commands.
    // IDs past 32 bits are handed out whole.
    void selectedIds()
    {
        for (int i = 0; i < 6; ++i)
            addProject(QStringLiteral("P%1").arg(i));
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET ID = ID + 4294967296 WHERE ID > 4;")));
        Fixture f;
        QCOMPARE(f.table.selectedId(), -1);
        QVERIFY(f.table.selectedIds().isEmpty());
        QVERIFY(f.table.load());
        f.table.selectRow(2);
        f.table.selectionModel()->select(f.table.model()->index(5, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(f.table.selectedId(), 3);
        QCOMPARE(f.table.selectedIds(), (QList<qint64>{3, 4294967302}));
        f.table.selectRow(4);
        QCOMPARE(f.table.selectedId(), 4294967301);
    }
};

TESVAR_TEST(TableTest)
#include "TableTest.moc"
