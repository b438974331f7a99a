#include "views/WidBookmarkTable.h"

#include "texts/LocaleBookmark.h"

#include <QAction>
#include <QMenu>

namespace Vexal {

void WidBookmarkTable::addMenuItems()
{
    connect(addCommandItem(LocaleBookmark::visible(), CommandVisible), &QAction::triggered, this,
            &WidBookmarkTable::onVisible);
    connect(addCommandItem(LocaleBookmark::hidden(), CommandHidden), &QAction::triggered, this,
            &WidBookmarkTable::onHidden);
    connect(addCommandItem(LocaleBookmark::load(), CommandLoad), &QAction::triggered, this,
            &WidBookmarkTable::onLoad);
    m_tableMenu->addSeparator();
}

} // namespace Vexal
