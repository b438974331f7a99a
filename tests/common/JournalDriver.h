#pragma once

// Drives a journal page the way a user does: open it in a tab manager, select
// rows, run the Filter command with conditions. Use inside a test function
// that holds an open TestDatabase.

#include "core/DBSql.h"
#include "core/Init.h"
#include "shell/WidTabManager.h"
#include "views/BaseJournal.h"
#include "views/BaseTable.h"
#include "views/BaseTableModel.h"
#include "views/DqlFilter.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "texts/LocaleBaseWidget.h"
#include "views/UtilDialog.h"

#include <QItemSelectionModel>
#include <QSqlRecord>
#include <QTest>
#include <QToolButton>

#include <initializer_list>
#include <limits>

namespace JournalDriver {

inline int rows(Vexal::BaseJournal* journal)
{
    return journal->tableWidget()->model()->rowCount();
}

// The most fetches or turns of the window a list of the tests takes to
// settle: a list that never does fails at once, not at the test's time limit.
constexpr int mostFetches = 1000;

// Fetches, as a user who scrolls down does, until the model holds `rows`
// rows or no more follow; false when that takes more than mostFetches.
inline bool fetchRows(Vexal::BaseTableModel* model, int rows = std::numeric_limits<int>::max())
{
    for (int fetch = 0; model->rowCount() < rows && model->canFetchMore(); ++fetch) {
        if (fetch == mostFetches)
            return false;
        model->fetchMore();
    }
    return true;
}

// A journal opened the way a command object opens it.
template <class Journal>
Journal* openJournal(Vexal::WidTabManager& tabs, Vexal::Init* init = nullptr)
{
    auto* journal = new Journal;
    tabs.addUniqueTab(journal, init);
    return journal;
}

template <class Page>
Page* current(Vexal::WidTabManager& tabs)
{
    return qobject_cast<Page*>(tabs.currentWidget());
}

inline void selectRows(Vexal::BaseTable* table, std::initializer_list<int> rows)
{
    table->clearSelection();
    for (int row : rows)
        table->selectionModel()->select(table->model()->index(row, 1),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Whether an editor's Save button (on its tool bar) can be pressed.
inline bool saveEnabled(QWidget* editor)
{
    for (const QToolButton* button : editor->findChildren<QToolButton*>()) {
        if (button->toolTip() == Vexal::LocaleBaseWidget::save() || button->text() == Vexal::LocaleBaseWidget::save())
            return button->isEnabled();
    }
    return false;
}

// Selects the row of a stored id; false when the table does not list it.
inline bool selectId(Vexal::BaseJournal* journal, int id)
{
    Vexal::BaseTable* table = journal->tableWidget();
    auto* model = table->tableModel();
    table->clearSelection();
    for (int row = 0; model && row < model->rowCount(); ++row) {
        if (model->value(row, Vexal::DBSql::colID()).toInt() == id) {
            table->selectRow(row);
            return true;
        }
    }
    return false;
}

// Runs every dialog of one kind as a user would: fill() types into it, then
// it is accepted (or cancelled); a dialog of another kind is cancelled.
template <class Dialog, class Fill>
void answerDialogs(Fill fill, bool accept = true)
{
    Vexal::UtilDialog::setRunner([=](QDialog* dialog) {
        auto* typed = qobject_cast<Dialog*>(dialog);
        if (!typed)
            return int(QDialog::Rejected);
        fill(typed);
        return int(accept ? QDialog::Accepted : QDialog::Rejected);
    });
}

// Runs the journal's Filter command with one condition on a column; an
// operator of -1 keeps the column's own.
inline void filterBy(Vexal::BaseJournal* journal, const QString& column, int op, const QVariant& value)
{
    Vexal::BaseTable* table = journal->tableWidget();
    bool found = false;
    Vexal::UtilDialog::setRunner([&](QDialog* dialog) {
        if (!qobject_cast<Vexal::DqlFilter*>(dialog))
            return int(QDialog::Rejected);
        Vexal::SqlFilterCollection* filters = table->filterCollection();
        for (int i = 0; i < filters->count(); ++i) {
            if (filters->filterAt(i)->column() == column) {
                filters->filterAt(i)->setEnabled(true);
                if (op >= 0)
                    filters->filterAt(i)->setOperator(op);
                filters->filterAt(i)->setValue(value);
                found = true;
            }
        }
        return int(QDialog::Accepted);
    });
    journal->slotFilter();
    Vexal::UtilDialog::setRunner({});
    QVERIFY2(found, qPrintable(column));
}

} // namespace JournalDriver
