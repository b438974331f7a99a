#include "sites/DBOnlineTool.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBOnlineTool::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colURL, &DBOnlineTool::m_url, urlLimit),
                                    DBField::integer(&DBSql::colLine, &DBOnlineTool::m_line),
                                });
    return table;
}

} // namespace Vexal
