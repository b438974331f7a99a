#include "data/DBUrlShortcut.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBUrlShortcut::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colShortcut, &DBUrlShortcut::m_shortcut, shortcutLimit),
                                    DBField::text(&DBSql::colURL, &DBUrlShortcut::m_url, urlLimit),
                                });
    return table;
}

void DBUrlShortcut::setShortcut(const QString& shortcut)
{
    markModified();
    m_shortcut = Convert::leftText(shortcut, shortcutLimit);
}

void DBUrlShortcut::setUrl(const QString& url)
{
    markModified();
    m_url = Convert::leftText(url, urlLimit);
}

} // namespace Vexal
