#include "automation/DBDirectoryTemplate.h"

#include "data/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBDirectoryTemplate::DBDirectoryTemplate(QObject* parent)
    : DBBase(parent)
{
}

void DBDirectoryTemplate::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    query.bindValue(DBSql::colCategory(true), m_category);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTags(true), m_tags);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colDescription(true), m_description);
    query.bindValue(DBSql::colUserName(true), m_userName);
    query.bindValue(DBSql::colUserEmail(true), m_userEmail);
    query.bindValue(DBSql::colRegularLink(true), m_regularLink);
    query.bindValue(DBSql::colAcceptTerms(true), m_acceptTerms);
}

void DBDirectoryTemplate::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_websiteId = query.value(3).toInt();
    m_category = query.value(4).toString();
    m_title = query.value(5).toString();
    m_tags = query.value(6).toString();
    m_url = query.value(7).toString();
    m_description = query.value(8).toString();
    m_userName = query.value(9).toString();
    m_userEmail = query.value(10).toString();
    m_regularLink = query.value(11).toString();
    m_acceptTerms = query.value(12).toString();
}

void DBDirectoryTemplate::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBDirectoryTemplate*>(source);
    if (!other)
        return;
    setWebsiteId(other->m_websiteId);
    setCategory(other->m_category);
    setTitle(other->m_title);
    setTags(other->m_tags);
    setUrl(other->m_url);
    setDescription(other->m_description);
    setUserName(other->m_userName);
    setUserEmail(other->m_userEmail);
    setRegularLink(other->m_regularLink);
    setAcceptTerms(other->m_acceptTerms);
}

DBBase* DBDirectoryTemplate::create(QObject* parent) const
{
    return new DBDirectoryTemplate(parent);
}

QString DBDirectoryTemplate::tableName() const
{
    return DBSql::tableDirectoryTemplate();
}

QString DBDirectoryTemplate::displayName() const
{
    return LocaleSql::tableDirectoryTemplates();
}

QStringList DBDirectoryTemplate::columns() const
{
    return commonColumns() << DBSql::colWebsiteID() << DBSql::colCategory() << DBSql::colTitle()
                           << DBSql::colTags() << DBSql::colURL() << DBSql::colDescription()
                           << DBSql::colUserName() << DBSql::colUserEmail() << DBSql::colRegularLink()
                           << DBSql::colAcceptTerms();
}

void DBDirectoryTemplate::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBDirectoryTemplate::setCategory(const QString& category)
{
    markModified();
    m_category = category.left(selectorLimit);
}

void DBDirectoryTemplate::setTitle(const QString& title)
{
    markModified();
    m_title = title.left(selectorLimit);
}

void DBDirectoryTemplate::setTags(const QString& tags)
{
    markModified();
    m_tags = tags.left(selectorLimit);
}

void DBDirectoryTemplate::setUrl(const QString& url)
{
    markModified();
    m_url = url.left(selectorLimit);
}

void DBDirectoryTemplate::setDescription(const QString& description)
{
    markModified();
    m_description = description.left(selectorLimit);
}

void DBDirectoryTemplate::setUserName(const QString& userName)
{
    markModified();
    m_userName = userName.left(selectorLimit);
}

void DBDirectoryTemplate::setUserEmail(const QString& userEmail)
{
    markModified();
    m_userEmail = userEmail.left(selectorLimit);
}

void DBDirectoryTemplate::setRegularLink(const QString& regularLink)
{
    markModified();
    m_regularLink = regularLink.left(selectorLimit);
}

void DBDirectoryTemplate::setAcceptTerms(const QString& acceptTerms)
{
    markModified();
    m_acceptTerms = acceptTerms.left(selectorLimit);
}

} // namespace Vexal
