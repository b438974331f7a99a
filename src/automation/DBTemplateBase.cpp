#include "automation/DBTemplateBase.h"

#include "core/Convert.h"
#include "core/DBSql.h"

#include <QSqlQuery>

namespace Vexal {

DBTemplateBase::DBTemplateBase(std::initializer_list<Column> columns, QObject* parent)
    : DBBase(parent)
    , m_columns(columns)
{
    for (int i = 0; i < m_columns.size(); ++i)
        m_selectors << QString();
}

void DBTemplateBase::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    for (int i = 0; i < m_columns.size(); ++i)
        query.bindValue(m_columns.at(i)(true), m_selectors.at(i));
}

void DBTemplateBase::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_websiteId = query.value(3).toInt();
    for (int i = 0; i < m_selectors.size(); ++i)
        m_selectors[i] = query.value(4 + i).toString();
}

void DBTemplateBase::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBTemplateBase*>(source);
    if (!other || !other->inherits(metaObject()->className()))
        return;
    setWebsiteId(other->m_websiteId);
    for (int i = 0; i < m_selectors.size(); ++i)
        setSelector(i, other->m_selectors.at(i));
}

QStringList DBTemplateBase::columns() const
{
    QStringList result = commonColumns() << DBSql::colWebsiteID();
    for (Column column : m_columns)
        result << column(false);
    return result;
}

void DBTemplateBase::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBTemplateBase::setSelector(int field, const QString& value)
{
    markModified();
    m_selectors[field] = Convert::leftText(value, selectorLimit);
}

} // namespace Vexal
