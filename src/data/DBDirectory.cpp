#include "data/DBDirectory.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBDirectory::fields() const
{
    static const DBFields table(projectFields(),
                                {
                                    DBField::integer(&DBSql::colCategoryID, &DBDirectory::m_categoryId),
                                    DBField::text(&DBSql::colTitle, &DBDirectory::m_title, shortLimit),
                                    DBField::text(&DBSql::colTags, &DBDirectory::m_tags, shortLimit),
                                    DBField::text(&DBSql::colURL, &DBDirectory::m_url, longLimit),
                                    DBField::text(&DBSql::colDescription, &DBDirectory::m_description, longLimit),
                                    DBField::text(&DBSql::colUserName, &DBDirectory::m_userName, shortLimit),
                                    DBField::text(&DBSql::colUserEmail, &DBDirectory::m_userEmail, shortLimit),
                                });
    return table;
}

void DBDirectory::setUserName(const QString& text) { change(m_userName, text, shortLimit); }
void DBDirectory::setUserEmail(const QString& text) { change(m_userEmail, text, shortLimit); }

} // namespace Vexal
