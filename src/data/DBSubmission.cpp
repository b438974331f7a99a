#include "data/DBSubmission.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

DBSubmission::DBSubmission(QObject* parent)
    : DBProjectBase(parent)
{
}

const DBFields& DBSubmission::fields() const
{
    static const DBFields table(projectFields(),
                                {
                                    DBField::text(&DBSql::colTitle, &DBSubmission::m_title, shortLimit),
                                    DBField::text(&DBSql::colTags, &DBSubmission::m_tags, shortLimit),
                                    DBField::text(&DBSql::colURL, &DBSubmission::m_url, longLimit),
                                    DBField::text(&DBSql::colDescription, &DBSubmission::m_description, longLimit),
                                });
    return table;
}

} // namespace Vexal
