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
        fill(nullptr);
        return;
    }
    fill(std::make_unique<DBSpinnedArticleLightList>(DBCache::projectId(), articleId));
}

} // namespace Vexal
