#include "content/WidSpinnedArticleTable.h"

#include "core/DBSql.h"
#include "data/DBColumn.h"
#include "views/SqlFilter.h"

namespace Vexal {

void WidSpinnedArticleTable::addFixedFilters()
{
    BaseTable::addFixedFilters();
    m_articleFilter = addFixedFilter(DBColumn::KindInteger, SqlFilter::Equal, DBSql::colArticleID(), m_articleId);
    m_articleFilter->setEnabled(m_articleId != -1);
}

void WidSpinnedArticleTable::setArticleId(qint64 articleId)
{
    m_articleId = articleId;
    if (!m_articleFilter)
        return;
    m_articleFilter->setValue(articleId);
    m_articleFilter->setEnabled(articleId != -1);
}

} // namespace Vexal
