#pragma once

#include "automation/templates/DBTemplateBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "SocialBookmarkTemplate": the selector of every field of one
// website's bookmark submission form.
class DBSocialBookmarkTemplate final
    : public DBKind<DBSocialBookmarkTemplate, &DBSql::tableSocialBookmarkTemplate,
                    &LocaleSql::tableSocialBookmarkTemplates, DBTemplateBase>
{
    Q_OBJECT
public:
    explicit DBSocialBookmarkTemplate(QObject* parent = nullptr);

    QString title() const { return selector(FieldTitle); }
    QString tags() const { return selector(FieldTags); }
    QString url() const { return selector(FieldUrl); }
    QString description() const { return selector(FieldDescription); }

    void setTitle(const QString& title) { setSelector(FieldTitle, title); }
    void setTags(const QString& tags) { setSelector(FieldTags, tags); }
    void setUrl(const QString& url) { setSelector(FieldUrl, url); }
    void setDescription(const QString& description) { setSelector(FieldDescription, description); }

private:
    enum Field {
        FieldTitle,
        FieldTags,
        FieldUrl,
        FieldDescription,
    };
};

} // namespace Vexal
