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
        follow(nullptr);
        clear();
        return;
    }
    const qint64 project = DBCache::projectId();
    follow([this, project, articleId] {
        DBSpinnedArticleLightList articles(project, articleId);
        fill(&articles, true);
    });
}

} // namespace Vexal
