#include "data/DBBookmark.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBBookmark::fields() const
{
    static const DBFields table(pageFields(),
                                {
                                    DBField::flag(&DBSql::colVisible, &DBBookmark::m_visible),
                                });
    return table;
}

} // namespace Vexal
