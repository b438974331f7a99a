#include "data/DBSocialBookmark.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBSocialBookmark::fields() const
{
    static const DBFields table(projectFields(),
                                {
                                    DBField::text(&DBSql::colTitle, &DBSocialBookmark::m_title, shortLimit),
                                    DBField::text(&DBSql::colTags, &DBSocialBookmark::m_tags, shortLimit),
                                    DBField::text(&DBSql::colURL, &DBSocialBookmark::m_url, longLimit),
                                    DBField::text(&DBSql::colDescription, &DBSocialBookmark::m_description, longLimit),
                                });
    return table;
}

void DBSocialBookmark::setText(QString& field, const QString& text, int limit)
{
    markModified();
    field = Convert::leftText(text, limit);
}

void DBSocialBookmark::setTitle(const QString& text) { setText(m_title, text, shortLimit); }
void DBSocialBookmark::setTags(const QString& text) { setText(m_tags, text, shortLimit); }
void DBSocialBookmark::setUrl(const QString& text) { setText(m_url, text, longLimit); }
void DBSocialBookmark::setDescription(const QString& text) { setText(m_description, text, longLimit); }

} // namespace Vexal
