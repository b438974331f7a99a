#include "automation/templates/BaseTypeTemplateTable.h"

#include "core/DBSql.h"
#include "data/DBColumn.h"
#include "data/WebsiteType.h"
#include "texts/LocaleBaseWidget.h"
#include "views/SqlFilter.h"

namespace Vexal {

namespace {

QString typeCondition(int type)
{
    return QStringLiteral("(%1 & %2)").arg(DBSql::colType(), QString::number(type));
}

} // namespace

BaseTypeTemplateTable::BaseTypeTemplateTable(SyncManager* syncManager, QWidget* parent, TextGetter table)
    : BaseTable(syncManager, parent, table)
{
}

void BaseTypeTemplateTable::addFixedFilters()
{
    BaseTable::addFixedFilters();
    m_typeFilter = addFixedFilter(DBColumn::KindInteger, SqlFilter::NotEqual, typeCondition(WebsiteType::Email), 0);
    if (m_typeFilter)
        m_typeFilter->setHeader(LocaleBaseWidget::type());
}

void BaseTypeTemplateTable::setType(int type)
{
    if (!m_typeFilter) {
        reportInvalidObject(QStringLiteral("filter"));
        return;
    }
    m_typeFilter->setColumn(typeCondition(type));
    applyFilters();
}

} // namespace Vexal
