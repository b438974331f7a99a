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

void DBSpinnedArticle::setTitleFinal(const QString& titleFinal)
{
    markModified();
    m_titleFinal = Convert::leftText(titleFinal, textLimit);
}

void DBSpinnedArticle::setIntroFinal(const QString& introFinal)
{
    markModified();
    m_introFinal = Convert::leftText(introFinal, textLimit);
}

void DBSpinnedArticle::setBodyFinal(const QString& bodyFinal)
{
    markModified();
    m_bodyFinal = Convert::leftText(bodyFinal, bodyLimit);
}

void DBSpinnedArticle::setSubmitted(bool submitted)
{
    markModified();
    m_submitted = submitted;
}

} // namespace Vexal
