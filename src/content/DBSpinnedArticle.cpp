#include "content/DBSpinnedArticle.h"

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

} // namespace Vexal
