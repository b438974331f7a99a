#include "views/WidBookmarkJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBQueryManager.h"
#include "texts/LocaleBookmark.h"
#include "data/DBBookmark.h"
#include "views/UtilReport.h"
#include "views/WidBookmarkJournalToolbar.h"

#include <QVBoxLayout>

namespace Vexal {

void WidBookmarkJournal::createToolbar()
{
    auto* bar = new WidBookmarkJournalToolbar(m_syncManager, this);
    bar->build();
    m_toolbar = bar;
    m_boxLayout->addWidget(bar);
}

void WidBookmarkJournal::connectToolbar()
{
    BaseJournal::connectToolbar();
    if (auto* bar = qobject_cast<WidBookmarkJournalToolbar*>(m_toolbar)) {
        connect(bar, &WidBookmarkJournalToolbar::onLoad, this, &WidBookmarkJournal::slotLoad);
        connect(bar, &WidBookmarkJournalToolbar::onVisible, this, &WidBookmarkJournal::slotVisible);
        connect(bar, &WidBookmarkJournalToolbar::onHidden, this, &WidBookmarkJournal::slotHidden);
    }
}

void WidBookmarkJournal::connectTable()
{
    BaseJournal::connectTable();
    if (WidBookmarkTable* bookmarks = bookmarkTable()) {
        connect(bookmarks, &WidBookmarkTable::onLoad, this, &WidBookmarkJournal::slotLoad);
        connect(bookmarks, &WidBookmarkTable::onVisible, this, &WidBookmarkJournal::slotVisible);
        connect(bookmarks, &WidBookmarkTable::onHidden, this, &WidBookmarkJournal::slotHidden);
    }
}

void WidBookmarkJournal::slotDelete()
{
    BaseJournal::slotDelete();
    UtilSignalManager::instance()->emitRestoreBookmarksMenu();
}

void WidBookmarkJournal::slotSelectionChanged()
{
    updateCommands(LocaleBookmark::selectionChanged(), QStringLiteral("QItemSelectionModel"),
                   {WidBookmarkTable::CommandLoad, WidBookmarkTable::CommandVisible, WidBookmarkTable::CommandHidden});
}

void WidBookmarkJournal::slotLoad()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleBookmark::load());
    DBBookmark bookmark(nullptr);
    openSelectedPage(&bookmark);
}

void WidBookmarkJournal::slotVisible()
{
    switchVisible(LocaleBookmark::visible(), true);
}

void WidBookmarkJournal::slotHidden()
{
    switchVisible(LocaleBookmark::hidden(), false);
}

void WidBookmarkJournal::switchVisible(const QString& action, bool visible)
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
    if (!m_table)
        return;
    // After Select All: every bookmark the journal lists, fetched or not.
    const QString condition = m_table->selectedRowsCondition();
    if (condition.isEmpty())
        return;
    DBQueryManager query;
    // A failure names its cause as the journal's other row commands do.
    if (!query.setBookmarksVisibleWhere(condition, visible))
        UtilReport::error(query.errorText(), query.failureCause());
    showOwnWrites();
    UtilSignalManager::instance()->emitRestoreBookmarksMenu();
}

} // namespace Vexal
