#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Language": the language of words and of the identity names.
class DBLanguage final : public DBKind<DBLanguage, &DBSql::tableLanguage, &LocaleSql::tableLanguages>
{
    Q_OBJECT
public:
    using DBKind::DBKind;
};

} // namespace Vexal
