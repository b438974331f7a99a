#include "sites/DBOnlineTool.h"

#include "core/Convert.h"
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

void DBOnlineTool::setUrl(const QString& url)
{
    markModified();
    m_url = Convert::leftText(url, urlLimit);
}

void DBOnlineTool::setLine(int line)
{
    markModified();
    m_line = line;
}

} // namespace Vexal
