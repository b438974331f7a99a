#include "automation/DBSocialBookmarkTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

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
    : DBTemplateBase(socialBookmarkFields, parent)
{
}

DBBase* DBSocialBookmarkTemplate::create(QObject* parent) const
{
    return new DBSocialBookmarkTemplate(parent);
}

QString DBSocialBookmarkTemplate::tableName() const
{
    return DBSql::tableSocialBookmarkTemplate();
}

QString DBSocialBookmarkTemplate::displayName() const
{
    return LocaleSql::tableSocialBookmarkTemplates();
}

} // namespace Vexal
