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

void DBSubmission::setTitle(const QString& text) { change(m_title, text, shortLimit); }
void DBSubmission::setTags(const QString& text) { change(m_tags, text, shortLimit); }
void DBSubmission::setUrl(const QString& text) { change(m_url, text, longLimit); }
void DBSubmission::setDescription(const QString& text) { change(m_description, text, longLimit); }

} // namespace Vexal
