#include "automation/DBArticleTemplate.h"

#include "data/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBArticleTemplate::DBArticleTemplate(QObject* parent)
    : DBBase(parent)
{
}

void DBArticleTemplate::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    query.bindValue(DBSql::colCategory(true), m_category);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTags(true), m_tags);
    query.bindValue(DBSql::colAuthor(true), m_author);
    query.bindValue(DBSql::colIntro(true), m_intro);
    query.bindValue(DBSql::colBody(true), m_body);
}

void DBArticleTemplate::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_websiteId = query.value(3).toInt();
    m_category = query.value(4).toString();
    m_title = query.value(5).toString();
    m_tags = query.value(6).toString();
    m_author = query.value(7).toString();
    m_intro = query.value(8).toString();
    m_body = query.value(9).toString();
}

void DBArticleTemplate::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBArticleTemplate*>(source);
    if (!other)
        return;
    setWebsiteId(other->m_websiteId);
    setCategory(other->m_category);
    setTitle(other->m_title);
    setTags(other->m_tags);
    setAuthor(other->m_author);
    setIntro(other->m_intro);
    setBody(other->m_body);
}

DBBase* DBArticleTemplate::create(QObject* parent) const
{
    return new DBArticleTemplate(parent);
}

QString DBArticleTemplate::tableName() const
{
    return DBSql::tableArticleTemplate();
}

QString DBArticleTemplate::displayName() const
{
    return LocaleSql::tableArticleTemplates();
}

QStringList DBArticleTemplate::columns() const
{
    return commonColumns() << DBSql::colWebsiteID() << DBSql::colCategory() << DBSql::colTitle()
                           << DBSql::colTags() << DBSql::colAuthor() << DBSql::colIntro() << DBSql::colBody();
}

void DBArticleTemplate::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBArticleTemplate::setCategory(const QString& category)
{
    markModified();
    m_category = category.left(selectorLimit);
}

void DBArticleTemplate::setTitle(const QString& title)
{
    markModified();
    m_title = title.left(selectorLimit);
}

void DBArticleTemplate::setTags(const QString& tags)
{
    markModified();
    m_tags = tags.left(selectorLimit);
}

void DBArticleTemplate::setAuthor(const QString& author)
{
    markModified();
    m_author = author.left(selectorLimit);
}

void DBArticleTemplate::setIntro(const QString& intro)
{
    markModified();
    m_intro = intro.left(selectorLimit);
}

void DBArticleTemplate::setBody(const QString& body)
{
    markModified();
    m_body = body.left(selectorLimit);
}

} // namespace Vexal
