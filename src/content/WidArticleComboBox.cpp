#include "content/WidArticleComboBox.h"

#include "content/DBArticleLightList.h"
#include "data/DBCache.h"

namespace Vexal {

WidArticleComboBox::WidArticleComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidArticleComboBox::reload()
{
    DBArticleLightList articles(DBCache::projectId());
    fill(&articles, true);
}

} // namespace Vexal
