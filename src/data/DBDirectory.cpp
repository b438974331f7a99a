#include "data/DBDirectory.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBDirectory::DBDirectory(QObject* parent)
    : DBProjectBase(parent)
{
}

void DBDirectory::bindValues(QSqlQuery& query)
{
    DBProjectBase::bindValues(query);
    query.bindValue(DBSql::colCategoryID(true), m_categoryId);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTags(true), m_tags);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colDescription(true), m_description);
    query.bindValue(DBSql::colUserName(true), m_userName);
    query.bindValue(DBSql::colUserEmail(true), m_userEmail);
}

void DBDirectory::readValues(const QSqlQuery& query)
{
    DBProjectBase::readValues(query);
    m_categoryId = query.value(4).toInt();
    m_title = query.value(5).toString();
    m_tags = query.value(6).toString();
    m_url = query.value(7).toString();
    m_description = query.value(8).toString();
    m_userName = query.value(9).toString();
    m_userEmail = query.value(10).toString();
}

void DBDirectory::assign(const DBBase* source)
{
    DBProjectBase::assign(source);
    const auto* other = qobject_cast<const DBDirectory*>(source);
    if (!other)
        return;
    setCategoryId(other->m_categoryId);
    setTitle(other->m_title);
    setTags(other->m_tags);
    setUrl(other->m_url);
    setDescription(other->m_description);
    setUserName(other->m_userName);
    setUserEmail(other->m_userEmail);
}

DBBase* DBDirectory::create(QObject* parent) const
{
    return new DBDirectory(parent);
}

QString DBDirectory::tableName() const
{
    return DBSql::tableDirectory();
}

QString DBDirectory::displayName() const
{
    return LocaleSql::tableDirectories();
}

QStringList DBDirectory::columns() const
{
    return projectColumns() << DBSql::colCategoryID() << DBSql::colTitle() << DBSql::colTags() << DBSql::colURL()
                            << DBSql::colDescription() << DBSql::colUserName() << DBSql::colUserEmail();
}

void DBDirectory::setText(QString& field, const QString& text, int limit)
{
    markModified();
    field = Convert::leftText(text, limit);
}

void DBDirectory::setCategoryId(int categoryId)
{
    markModified();
    m_categoryId = categoryId;
}

void DBDirectory::setTitle(const QString& text) { setText(m_title, text, shortLimit); }
void DBDirectory::setTags(const QString& text) { setText(m_tags, text, shortLimit); }
void DBDirectory::setUrl(const QString& text) { setText(m_url, text, longLimit); }
void DBDirectory::setDescription(const QString& text) { setText(m_description, text, longLimit); }
void DBDirectory::setUserName(const QString& text) { setText(m_userName, text, shortLimit); }
void DBDirectory::setUserEmail(const QString& text) { setText(m_userEmail, text, shortLimit); }

} // namespace Vexal
