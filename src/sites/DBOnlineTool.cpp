#include "sites/DBOnlineTool.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBOnlineTool::DBOnlineTool(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBOnlineTool::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colURL, &DBOnlineTool::m_url, urlLimit),
                                    DBField::integer(&DBSql::colLine, &DBOnlineTool::m_line),
                                });
    return table;
}

DBBase* DBOnlineTool::create(QObject* parent) const
{
    return new DBOnlineTool(parent);
}

QString DBOnlineTool::tableName() const
{
    return DBSql::tableOnlineTool();
}

QString DBOnlineTool::displayName() const
{
    return LocaleSql::tableOnlineTools();
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
