#include "content/WidSpinnedArticleJournal.h"

#include "core/Init.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

void WidSpinnedArticleJournal::setInit(QObject* value)
{
    BaseJournal::setInit(value);
    bool ok = false;
    const qint64 articleId = init()->url().toString().toLongLong(&ok);
    if (recordTable())
        recordTable()->setArticleId(ok && articleId > 0 ? articleId : -1);
}

Init* WidSpinnedArticleJournal::createInit(QObject* parent)
{
    auto* init = new Init(-1, parent);
    init->setSecondId(recordTable() ? recordTable()->articleId() : -1);
    return init;
}

} // namespace Vexal
