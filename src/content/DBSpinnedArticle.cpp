#include "content/DBSpinnedArticle.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBSpinnedArticle::DBSpinnedArticle(QObject* parent)
    : DBProjectBase(parent)
{
}

void DBSpinnedArticle::bindValues(QSqlQuery& query)
{
    DBProjectBase::bindValues(query);
    query.bindValue(DBSql::colArticleID(true), m_articleId);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTitleFinal(true), m_titleFinal);
    query.bindValue(DBSql::colTitleMode(true), m_titleMode);
    query.bindValue(DBSql::colIntro(true), m_intro);
    query.bindValue(DBSql::colIntroFinal(true), m_introFinal);
    query.bindValue(DBSql::colIntroMode(true), m_introMode);
    query.bindValue(DBSql::colBody(true), m_body);
    query.bindValue(DBSql::colBodyFinal(true), m_bodyFinal);
    query.bindValue(DBSql::colBodyMode(true), m_bodyMode);
    query.bindValue(DBSql::colSubmitted(true), boolValue(m_submitted));
}

void DBSpinnedArticle::readValues(const QSqlQuery& query)
{
    DBProjectBase::readValues(query);
    m_articleId = query.value(4).toInt();
    m_title = query.value(5).toString();
    m_titleFinal = query.value(6).toString();
    m_titleMode = query.value(7).toInt();
    m_intro = query.value(8).toString();
    m_introFinal = query.value(9).toString();
    m_introMode = query.value(10).toInt();
    m_body = query.value(11).toString();
    m_bodyFinal = query.value(12).toString();
    m_bodyMode = query.value(13).toInt();
    m_submitted = readBool(query.value(14));
}

void DBSpinnedArticle::assign(const DBBase* source)
{
    DBProjectBase::assign(source);
    const auto* other = qobject_cast<const DBSpinnedArticle*>(source);
    if (!other)
        return;
    setArticleId(other->m_articleId);
    setTitle(other->m_title);
    setTitleFinal(other->m_titleFinal);
    setTitleMode(other->m_titleMode);
    setIntro(other->m_intro);
    setIntroFinal(other->m_introFinal);
    setIntroMode(other->m_introMode);
    setBody(other->m_body);
    setBodyFinal(other->m_bodyFinal);
    setBodyMode(other->m_bodyMode);
    setSubmitted(other->m_submitted);
}

DBBase* DBSpinnedArticle::create(QObject* parent) const
{
    return new DBSpinnedArticle(parent);
}

QString DBSpinnedArticle::tableName() const
{
    return DBSql::tableSpunArticle();
}

QString DBSpinnedArticle::displayName() const
{
    return LocaleSql::tableSpunArticles();
}

QStringList DBSpinnedArticle::columns() const
{
    return projectColumns() << DBSql::colArticleID() << DBSql::colTitle() << DBSql::colTitleFinal()
                            << DBSql::colTitleMode() << DBSql::colIntro() << DBSql::colIntroFinal()
                            << DBSql::colIntroMode() << DBSql::colBody() << DBSql::colBodyFinal()
                            << DBSql::colBodyMode() << DBSql::colSubmitted();
}

void DBSpinnedArticle::setArticleId(int articleId)
{
    markModified();
    m_articleId = articleId;
}

void DBSpinnedArticle::setTitle(const QString& title)
{
    markModified();
    m_title = Convert::leftText(title, textLimit);
}

void DBSpinnedArticle::setTitleFinal(const QString& titleFinal)
{
    markModified();
    m_titleFinal = Convert::leftText(titleFinal, textLimit);
}

void DBSpinnedArticle::setTitleMode(int titleMode)
{
    markModified();
    m_titleMode = titleMode;
}

void DBSpinnedArticle::setIntro(const QString& intro)
{
    markModified();
    m_intro = Convert::leftText(intro, textLimit);
}

void DBSpinnedArticle::setIntroFinal(const QString& introFinal)
{
    markModified();
    m_introFinal = Convert::leftText(introFinal, textLimit);
}

void DBSpinnedArticle::setIntroMode(int introMode)
{
    markModified();
    m_introMode = introMode;
}

void DBSpinnedArticle::setBody(const QString& body)
{
    markModified();
    m_body = Convert::leftText(body, bodyLimit);
}

void DBSpinnedArticle::setBodyFinal(const QString& bodyFinal)
{
    markModified();
    m_bodyFinal = Convert::leftText(bodyFinal, bodyLimit);
}

void DBSpinnedArticle::setBodyMode(int bodyMode)
{
    markModified();
    m_bodyMode = bodyMode;
}

void DBSpinnedArticle::setSubmitted(bool submitted)
{
    markModified();
    m_submitted = submitted;
}

} // namespace Vexal
