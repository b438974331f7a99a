#include "content/DBArticle.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBArticle::DBArticle(QObject* parent)
    : DBProjectBase(parent)
{
}

void DBArticle::bindValues(QSqlQuery& query)
{
    DBProjectBase::bindValues(query);
    query.bindValue(DBSql::colCategoryID(true), m_categoryId);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTitleMode(true), m_titleMode);
    query.bindValue(DBSql::colTags(true), m_tags);
    query.bindValue(DBSql::colAuthor(true), m_author);
    query.bindValue(DBSql::colIntro(true), m_intro);
    query.bindValue(DBSql::colIntroMode(true), m_introMode);
    query.bindValue(DBSql::colBody(true), m_body);
    query.bindValue(DBSql::colBodyMode(true), m_bodyMode);
    query.bindValue(DBSql::colSpun(true), boolValue(m_spun));
}

void DBArticle::readValues(const QSqlQuery& query)
{
    DBProjectBase::readValues(query);
    m_categoryId = query.value(4).toInt();
    m_title = query.value(5).toString();
    m_titleMode = query.value(6).toInt();
    m_tags = query.value(7).toString();
    m_author = query.value(8).toString();
    m_intro = query.value(9).toString();
    m_introMode = query.value(10).toInt();
    m_body = query.value(11).toString();
    m_bodyMode = query.value(12).toInt();
    m_spun = readBool(query.value(13));
}

void DBArticle::assign(const DBBase* source)
{
    DBProjectBase::assign(source);
    const auto* other = qobject_cast<const DBArticle*>(source);
    if (!other)
        return;
    setCategoryId(other->m_categoryId);
    setTitle(other->m_title);
    setTitleMode(other->m_titleMode);
    setTags(other->m_tags);
    setAuthor(other->m_author);
    setIntro(other->m_intro);
    setIntroMode(other->m_introMode);
    setBody(other->m_body);
    setBodyMode(other->m_bodyMode);
    setSpun(other->m_spun);
}

DBBase* DBArticle::create(QObject* parent) const
{
    return new DBArticle(parent);
}

QString DBArticle::tableName() const
{
    return DBSql::tableArticle();
}

QString DBArticle::displayName() const
{
    return LocaleSql::tableArticles();
}

QStringList DBArticle::columns() const
{
    return projectColumns() << DBSql::colCategoryID() << DBSql::colTitle() << DBSql::colTitleMode()
                            << DBSql::colTags() << DBSql::colAuthor() << DBSql::colIntro()
                            << DBSql::colIntroMode() << DBSql::colBody() << DBSql::colBodyMode()
                            << DBSql::colSpun();
}

void DBArticle::setCategoryId(int categoryId)
{
    markModified();
    m_categoryId = categoryId;
}

void DBArticle::setTitle(const QString& title)
{
    markModified();
    m_title = Convert::leftText(title, textLimit);
}

void DBArticle::setTitleMode(int titleMode)
{
    markModified();
    m_titleMode = titleMode;
}

void DBArticle::setTags(const QString& tags)
{
    markModified();
    m_tags = Convert::leftText(tags, textLimit);
}

void DBArticle::setAuthor(const QString& author)
{
    markModified();
    m_author = Convert::leftText(author, textLimit);
}

void DBArticle::setIntro(const QString& intro)
{
    markModified();
    m_intro = Convert::leftText(intro, textLimit);
}

void DBArticle::setIntroMode(int introMode)
{
    markModified();
    m_introMode = introMode;
}

void DBArticle::setBody(const QString& body)
{
    markModified();
    m_body = Convert::leftText(body, bodyLimit);
}

void DBArticle::setBodyMode(int bodyMode)
{
    markModified();
    m_bodyMode = bodyMode;
}

void DBArticle::setSpun(bool spun)
{
    markModified();
    m_spun = spun;
}

} // namespace Vexal
