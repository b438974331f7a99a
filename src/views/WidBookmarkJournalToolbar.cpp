#include "views/WidBookmarkJournalToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleBookmark.h"
#include "views/WidBookmarkTable.h"

#include <QToolButton>

namespace Vexal {

void WidBookmarkJournalToolbar::createExtraButtons()
{
    addButton(ConstIcon::check(32), LocaleBookmark::visible(), WidBookmarkTable::CommandVisible, this,
              &WidBookmarkJournalToolbar::onVisible);
    addButton(ConstIcon::checkRed(32), LocaleBookmark::hidden(), WidBookmarkTable::CommandHidden, this,
              &WidBookmarkJournalToolbar::onHidden);
    addButton(ConstIcon::forward(32), LocaleBookmark::load(), WidBookmarkTable::CommandLoad, this,
              &WidBookmarkJournalToolbar::onLoad);
    addSeparator();
}

} // namespace Vexal
