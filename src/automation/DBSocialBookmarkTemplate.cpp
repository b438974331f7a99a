#include "automation/DBSocialBookmarkTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBSocialBookmarkTemplate::DBSocialBookmarkTemplate(QObject* parent)
    : DBTemplateBase({
          &DBSql::colTitle,
          &DBSql::colTags,
          &DBSql::colURL,
          &DBSql::colDescription,
      }, parent)
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
