#include "automation/BaseTypeTemplateTable.h"

#include "core/DBSql.h"
#include "texts/LocaleBaseWidget.h"
#include "views/SqlFilter.h"

namespace Vexal {

namespace {

QString typeCondition(int type)
{
    return QStringLiteral("(%1 & %2)").arg(DBSql::colType(), QString::number(type));
}

} // namespace

BaseTypeTemplateTable::BaseTypeTemplateTable(SyncManager* syncManager, QWidget* parent,
                                             DBDefaultColumns::Set set, TextGetter table)
    : BaseTable(syncManager, parent, set, table)
{
}

void BaseTypeTemplateTable::addFixedFilters()
{
    BaseTable::addFixedFilters();
    m_typeFilter = addFixedFilter(1, SqlFilter::NotEqual, typeCondition(4), 0);
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
