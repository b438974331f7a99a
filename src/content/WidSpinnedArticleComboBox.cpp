#include "content/WidSpinnedArticleComboBox.h"

#include "content/DBSpinnedArticleLightList.h"
#include "data/DBCache.h"

namespace Vexal {

WidSpinnedArticleComboBox::WidSpinnedArticleComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidSpinnedArticleComboBox::reload(qint64 articleId)
{
    if (articleId == -1) {
        clear();
        return;
    }
    DBSpinnedArticleLightList articles(DBCache::projectId(), articleId);
    fill(&articles, true);
}

} // namespace Vexal
