#include "views/WidBookmarkJournalToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleBookmark.h"
#include "views/WidBookmarkTable.h"

#include <QToolButton>

namespace Vexal {

void WidBookmarkJournalToolbar::createExtraButtons()
{
    QToolButton* button = addButton(ConstIcon::check(32), LocaleBookmark::visible(), WidBookmarkTable::CommandVisible);
    connect(button, &QToolButton::clicked, this, &WidBookmarkJournalToolbar::onVisible);
    button = addButton(ConstIcon::checkRed(32), LocaleBookmark::hidden(), WidBookmarkTable::CommandHidden);
    connect(button, &QToolButton::clicked, this, &WidBookmarkJournalToolbar::onHidden);
    button = addButton(ConstIcon::forward(32), LocaleBookmark::load(), WidBookmarkTable::CommandLoad);
    connect(button, &QToolButton::clicked, this, &WidBookmarkJournalToolbar::onLoad);
    addSeparator();
}

} // namespace Vexal
