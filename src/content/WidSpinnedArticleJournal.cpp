#include "content/WidSpinnedArticleJournal.h"

#include "content/WidSpinnedArticleEditor.h"
#include "content/WidSpinnedArticleTable.h"
#include "core/Init.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

WidSpinnedArticleJournal::WidSpinnedArticleJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidSpinnedArticleJournal::title() const
{
    return LocaleArticle::spunArticles();
}

void WidSpinnedArticleJournal::setInit(QObject* value)
{
    BaseJournal::setInit(value);
    bool ok = false;
    const int articleId = init()->url().toString().toInt(&ok);
    if (m_table)
        m_table->setArticleId(ok && articleId > 0 ? articleId : -1);
}

void WidSpinnedArticleJournal::createTable()
{
    m_table = new WidSpinnedArticleTable(m_syncManager, this);
    installTable(m_table);
}

Init* WidSpinnedArticleJournal::createInit(QObject* parent)
{
    auto* init = new Init(-1, parent);
    init->setSecondId(m_table ? m_table->articleId() : -1);
    return init;
}

QWidget* WidSpinnedArticleJournal::createEditor(QWidget* parent)
{
    return new WidSpinnedArticleEditor(parent);
}

} // namespace Vexal
