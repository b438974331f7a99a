#include "views/SqlFilterCollection.h"

#include "data/DBColumn.h"
#include "data/DBColumnList.h"
#include "views/SqlFilter.h"

#include <QStringList>

namespace Vexal {

SqlFilterCollection::SqlFilterCollection(QObject* parent)
    : QObject(parent)
{
}

void SqlFilterCollection::addFilter(SqlFilter* filter)
{
    if (filter)
        m_filters.append(filter);
}

void SqlFilterCollection::addFixedFilter(SqlFilter* filter)
{
    if (filter)
        m_fixedFilters.append(filter);
}

void SqlFilterCollection::disableFilters()
{
    for (SqlFilter* filter : qAsConst(m_filters))
        filter->setEnabled(false);
}

void SqlFilterCollection::disableFixedFilters()
{
    for (SqlFilter* filter : qAsConst(m_fixedFilters))
        filter->setEnabled(false);
}

QString SqlFilterCollection::whereText() const
{
    QStringList conditions;
    for (const QList<SqlFilter*>* list : {&m_fixedFilters, &m_filters}) {
        for (const SqlFilter* filter : *list) {
            if (filter->isEnabled())
                conditions << filter->conditionText();
        }
    }
    return conditions.join(QLatin1String(" AND "));
}

void SqlFilterCollection::addColumnFilters(const DBColumnList* columns)
{
    if (!columns)
        return;
    for (int i = 0; i < columns->count(); ++i) {
        const DBColumn* column = columns->at(i);
        const int kind = column->type();
        if (!column->visibleInFilter() || kind == 7 || kind == 8)
            continue;
        addFilter(newColumnFilter(kind, column->name(), column->header()));
        if (kind >= 1 && kind <= 4)
            addFilter(newColumnFilter(kind, column->name(), column->header()));
    }
}

SqlFilter* SqlFilterCollection::newColumnFilter(int type, const QString& column, const QString& header)
{
    auto* filter = new SqlFilter(this);
    filter->setEnabled(false);
    filter->setType(type);
    filter->setColumn(column);
    filter->setHeader(header);
    filter->setDefaultValue();
    if (SqlFilter::isTextKind(type))
        filter->setOperator(SqlFilter::Contains);
    return filter;
}

} // namespace Vexal
