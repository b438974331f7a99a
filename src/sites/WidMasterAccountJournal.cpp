#include "sites/WidMasterAccountJournal.h"

#include "data/DBQueryManager.h"

namespace Vexal {

bool makeMasterAccountActive(qint64 id, QString* error)
{
    DBQueryManager queries;
    if (queries.setActiveMasterAccount(id))
        return true;
    *error = queries.errorText();
    return false;
}

} // namespace Vexal
