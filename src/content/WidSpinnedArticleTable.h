#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class SqlFilter;

// The spun articles of every project, or only those of one article.
class WidSpinnedArticleTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableSpunArticle>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

    // -1: every article's; takes effect with the next load.
    void setArticleId(qint64 articleId);
    qint64 articleId() const { return m_articleId; }

protected:
    void addFixedFilters() override;

private:
    SqlFilter* m_articleFilter = nullptr;
    qint64 m_articleId = -1;
};

} // namespace Vexal
