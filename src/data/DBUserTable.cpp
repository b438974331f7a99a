#include "data/DBUserTable.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBUserTable::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colFriendlyName, &DBUserTable::m_friendlyName, friendlyNameLimit),
                                });
    return table;
}

QString DBUserTable::friendlyName() const
{
    return m_friendlyName;
}

void DBUserTable::setFriendlyName(const QString& name)
{
    markModified();
    m_friendlyName = Convert::leftText(name, friendlyNameLimit);
}

} // namespace Vexal
