#include "sites/DBCountry.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBCountry::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colCode, &DBCountry::m_code, codeLimit),
                                });
    return table;
}

void DBCountry::setCode(const QString& code)
{
    markModified();
    m_code = Convert::leftText(code, codeLimit);
}

} // namespace Vexal
