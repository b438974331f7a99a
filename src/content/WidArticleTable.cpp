#include "content/WidArticleTable.h"

#include "content/ContentCommands.h"
#include "texts/LocaleArticle.h"

#include <QAction>

namespace Vexal {

void WidArticleTable::addMenuItems()
{
    BaseTable::addMenuItems();
    connect(addCommandItem(LocaleArticle::copy(), ContentCommands::Copy), &QAction::triggered, this,
            &WidArticleTable::onCopy);
    connect(addCommandItem(LocaleArticle::spin(), ContentCommands::Spin), &QAction::triggered, this,
            &WidArticleTable::onSpin);
}

} // namespace Vexal
