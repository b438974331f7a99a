#include "content/WidArticleTable.h"

#include "texts/LocaleArticle.h"

#include <QAction>

namespace Vexal {

void WidArticleTable::addMenuItems()
{
    BaseTable::addMenuItems();
    connect(addCommandItem(LocaleArticle::copy(), BaseTable::CommandCopy), &QAction::triggered, this,
            &WidArticleTable::onCopy);
    connect(addCommandItem(LocaleArticle::spin(), BaseTable::CommandSpin), &QAction::triggered, this,
            &WidArticleTable::onSpin);
}

} // namespace Vexal
