#include "content/DBSpinnedArticle.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBSpinnedArticle::fields() const
{
    static const DBFields table(projectFields(),
                                {
                                    DBField::integer(&DBSql::colArticleID, &DBSpinnedArticle::m_articleId),
                                    DBField::text(&DBSql::colTitle, &DBSpinnedArticle::m_title, textLimit),
                                    DBField::text(&DBSql::colTitleFinal, &DBSpinnedArticle::m_titleFinal, textLimit),
                                    DBField::integer(&DBSql::colTitleMode, &DBSpinnedArticle::m_titleMode),
                                    DBField::text(&DBSql::colIntro, &DBSpinnedArticle::m_intro, textLimit),
                                    DBField::text(&DBSql::colIntroFinal, &DBSpinnedArticle::m_introFinal, textLimit),
                                    DBField::integer(&DBSql::colIntroMode, &DBSpinnedArticle::m_introMode),
                                    DBField::text(&DBSql::colBody, &DBSpinnedArticle::m_body, bodyLimit),
                                    DBField::text(&DBSql::colBodyFinal, &DBSpinnedArticle::m_bodyFinal, bodyLimit),
                                    DBField::integer(&DBSql::colBodyMode, &DBSpinnedArticle::m_bodyMode),
                                    DBField::flag(&DBSql::colSubmitted, &DBSpinnedArticle::m_submitted),
                                });
    return table;
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
