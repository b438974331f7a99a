#include "automation/templates/DBSocialBookmarkTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

namespace {

const DBFields socialBookmarkFields = DBSocialBookmarkTemplate::templateFields({
    &DBSql::colTitle,
    &DBSql::colTags,
    &DBSql::colURL,
    &DBSql::colDescription,
});

} // namespace

DBSocialBookmarkTemplate::DBSocialBookmarkTemplate(QObject* parent)
    : DBKind(socialBookmarkFields, parent)
{
}

} // namespace Vexal
