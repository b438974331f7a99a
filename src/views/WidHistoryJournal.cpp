#include "views/WidHistoryJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "texts/LocaleHistory.h"
#include "data/DBHistory.h"
#include "views/WidHistoryJournalToolbar.h"
#include "views/WidHistoryTree.h"

#include <QVBoxLayout>

namespace Vexal {

WidHistoryTree* WidHistoryJournal::historyTree() const
{
    return qobject_cast<WidHistoryTree*>(m_tree);
}

void WidHistoryJournal::createToolbar()
{
    auto* bar = new WidHistoryJournalToolbar(m_syncManager, this);
    bar->build();
    m_toolbar = bar;
    m_boxLayout->addWidget(bar);
}

void WidHistoryJournal::connectToolbar()
{
    BaseJournalTree::connectToolbar();
    if (auto* bar = qobject_cast<WidHistoryJournalToolbar*>(m_toolbar))
        connect(bar, &WidHistoryJournalToolbar::onLoad, this, &WidHistoryJournal::slotLoad);
}

void WidHistoryJournal::connectTable()
{
    BaseJournalTree::connectTable();
    if (WidHistoryTable* history = historyTable())
        connect(history, &WidHistoryTable::onLoad, this, &WidHistoryJournal::slotLoad);
}

void WidHistoryJournal::createTree()
{
    installTree(new WidHistoryTree(m_syncManager, this));
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
    updateCommands(LocaleHistory::selectionChanged(), QStringLiteral("QItemSelectionModel"), {WidHistoryTable::CommandLoad});
}

void WidHistoryJournal::slotLoad()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleHistory::load());
    DBHistory history(nullptr);
    openSelectedPage(&history);
}

} // namespace Vexal
