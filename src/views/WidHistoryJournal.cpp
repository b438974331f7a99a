#include "views/WidHistoryJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "texts/LocaleHistory.h"
#include "views/DBHistory.h"
#include "views/WidHistoryEditor.h"
#include "views/WidHistoryJournalToolbar.h"
#include "views/WidHistoryTable.h"
#include "views/WidHistoryTree.h"

#include <QItemSelectionModel>
#include <QUrl>
#include <QVBoxLayout>

namespace Vexal {

WidHistoryJournal::WidHistoryJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

QString WidHistoryJournal::title() const
{
    return LocaleHistory::history();
}

WidHistoryTable* WidHistoryJournal::historyTable() const
{
    return qobject_cast<WidHistoryTable*>(table);
}

WidHistoryTree* WidHistoryJournal::historyTree() const
{
    return qobject_cast<WidHistoryTree*>(tree);
}

void WidHistoryJournal::createToolbar()
{
    auto* bar = new WidHistoryJournalToolbar(syncManager, this);
    bar->build();
    toolbar = bar;
    boxLayout->addWidget(bar);
}

void WidHistoryJournal::connectToolbar()
{
    BaseJournalTree::connectToolbar();
    if (auto* bar = qobject_cast<WidHistoryJournalToolbar*>(toolbar))
        connect(bar, &WidHistoryJournalToolbar::onLoad, this, &WidHistoryJournal::slotLoad);
}

void WidHistoryJournal::createTable()
{
    installTable(new WidHistoryTable(syncManager, this));
}

void WidHistoryJournal::connectTable()
{
    BaseJournalTree::connectTable();
    if (WidHistoryTable* history = historyTable())
        connect(history, &WidHistoryTable::onLoad, this, &WidHistoryJournal::slotLoad);
}

QWidget* WidHistoryJournal::createEditor(QWidget* parent)
{
    return new WidHistoryEditor(parent);
}

void WidHistoryJournal::createTree()
{
    installTree(new WidHistoryTree(syncManager, this));
}

void WidHistoryJournal::handleTreeSelectionChanged()
{
    WidHistoryTable* history = historyTable();
    WidHistoryTree* periods = historyTree();
    if (!history || !periods)
        return;
    history->setPeriod(periods->currentPeriod());
}

void WidHistoryJournal::slotSelectionChanged()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleHistory::selectionChanged());
    if (!table || !table->selectionModel()) {
        reportInvalidObject(QStringLiteral("QItemSelectionModel"));
        return;
    }
    const bool selected = table->selectionModel()->hasSelection();
    syncManager->setEnabled(BaseTable::CommandAdd, true);
    syncManager->setEnabled(BaseTable::CommandEdit, selected);
    syncManager->setEnabled(BaseTable::CommandDelete, selected);
    syncManager->setEnabled(BaseTable::CommandFilter, true);
    syncManager->setEnabled(BaseTable::CommandRemoveFilter, true);
    syncManager->setEnabled(WidHistoryTable::CommandLoad, selected);
    syncManager->setEnabled(BaseTable::CommandReload, true);
}

void WidHistoryJournal::slotLoad()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleHistory::load());
    const int id = table ? table->selectedId() : -1;
    if (id == -1)
        return;
    DBHistory history(nullptr);
    if (!history.load(id)) {
        reportRecordError(&history);
        return;
    }
    UtilSignalManager::instance()->emitLoad(QUrl(history.url()), true, true);
}

} // namespace Vexal
