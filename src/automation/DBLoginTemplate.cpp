#include "automation/DBLoginTemplate.h"

#include "data/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBLoginTemplate::DBLoginTemplate(QObject* parent)
    : DBBase(parent)
{
}

void DBLoginTemplate::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    query.bindValue(DBSql::colLogin(true), m_login);
    query.bindValue(DBSql::colPassword(true), m_password);
    query.bindValue(DBSql::colSubmit(true), m_submit);
}

void DBLoginTemplate::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_websiteId = query.value(3).toInt();
    m_login = query.value(4).toString();
    m_password = query.value(5).toString();
    m_submit = query.value(6).toString();
}

void DBLoginTemplate::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBLoginTemplate*>(source);
    if (!other)
        return;
    setWebsiteId(other->m_websiteId);
    setLogin(other->m_login);
    setPassword(other->m_password);
    setSubmit(other->m_submit);
}

DBBase* DBLoginTemplate::create(QObject* parent) const
{
    return new DBLoginTemplate(parent);
}

QString DBLoginTemplate::tableName() const
{
    return DBSql::tableLoginTemplate();
}

QString DBLoginTemplate::displayName() const
{
    return LocaleSql::tableLoginTemplates();
}

QStringList DBLoginTemplate::columns() const
{
    return commonColumns() << DBSql::colWebsiteID() << DBSql::colLogin() << DBSql::colPassword()
                           << DBSql::colSubmit();
}

void DBLoginTemplate::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBLoginTemplate::setLogin(const QString& login)
{
    markModified();
    m_login = login.left(selectorLimit);
}

void DBLoginTemplate::setPassword(const QString& password)
{
    markModified();
    m_password = password.left(selectorLimit);
}

void DBLoginTemplate::setSubmit(const QString& submit)
{
    markModified();
    m_submit = submit.left(selectorLimit);
}

} // namespace Vexal
