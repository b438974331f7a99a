#include "sites/WidMasterAccountJournal.h"

#include "data/DBQueryManager.h"

namespace Vexal {

bool makeMasterAccountActive(qint64 id, QString* error, QString* cause)
{
    DBQueryManager queries;
    if (queries.setActiveMasterAccount(id))
        return true;
    *error = queries.errorText();
    *cause = queries.failureCause();
    return false;
}

} // namespace Vexal
