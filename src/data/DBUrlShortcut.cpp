#include "data/DBUrlShortcut.h"

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

} // namespace Vexal
