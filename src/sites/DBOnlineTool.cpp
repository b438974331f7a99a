#include "sites/DBOnlineTool.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBOnlineTool::DBOnlineTool(QObject* parent)
    : DBBase(parent)
{
}

void DBOnlineTool::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colLine(true), m_line);
}

void DBOnlineTool::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_url = query.value(3).toString();
    m_line = query.value(4).toInt();
}

void DBOnlineTool::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBOnlineTool*>(source);
    if (!other)
        return;
    setUrl(other->m_url);
    setLine(other->m_line);
}

DBBase* DBOnlineTool::create(QObject* parent) const
{
    return new DBOnlineTool(parent);
}

QString DBOnlineTool::tableName() const
{
    return DBSql::tableOnlineTool();
}

QString DBOnlineTool::displayName() const
{
    return LocaleSql::tableOnlineTools();
}

QStringList DBOnlineTool::columns() const
{
    return commonColumns() << DBSql::colURL() << DBSql::colLine();
}

void DBOnlineTool::setUrl(const QString& url)
{
    markModified();
    m_url = Convert::leftText(url, urlLimit);
}

void DBOnlineTool::setLine(int line)
{
    markModified();
    m_line = line;
}

} // namespace Vexal
