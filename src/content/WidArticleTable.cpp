#include "content/WidArticleTable.h"

#include "content/ContentCommands.h"
#include "core/DBSql.h"
#include "texts/LocaleArticle.h"

#include <QAction>

namespace Vexal {

WidArticleTable::WidArticleTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Articles, &DBSql::tableArticle)
{
}

void WidArticleTable::addMenuItems()
{
    BaseTable::addMenuItems();
    connect(addCommandItem(LocaleArticle::copy(), ContentCommands::Copy), &QAction::triggered, this,
            &WidArticleTable::onCopy);
    connect(addCommandItem(LocaleArticle::spin(), ContentCommands::Spin), &QAction::triggered, this,
            &WidArticleTable::onSpin);
}

} // namespace Vexal
