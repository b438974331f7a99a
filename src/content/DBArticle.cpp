#include "content/DBArticle.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBArticle::fields() const
{
    static const DBFields table(projectFields(),
                                {
                                    DBField::integer(&DBSql::colCategoryID, &DBArticle::m_categoryId),
                                    DBField::text(&DBSql::colTitle, &DBArticle::m_title, textLimit),
                                    DBField::integer(&DBSql::colTitleMode, &DBArticle::m_titleMode),
                                    DBField::text(&DBSql::colTags, &DBArticle::m_tags, textLimit),
                                    DBField::text(&DBSql::colAuthor, &DBArticle::m_author, textLimit),
                                    DBField::text(&DBSql::colIntro, &DBArticle::m_intro, textLimit),
                                    DBField::integer(&DBSql::colIntroMode, &DBArticle::m_introMode),
                                    DBField::text(&DBSql::colBody, &DBArticle::m_body, bodyLimit),
                                    DBField::integer(&DBSql::colBodyMode, &DBArticle::m_bodyMode),
                                    DBField::flag(&DBSql::colSpun, &DBArticle::m_spun),
                                });
    return table;
}

} // namespace Vexal
