#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "SocialBookmark": a project's bookmark submitted to social
// bookmarking sites.
class DBSocialBookmark
    : public DBKind<DBSocialBookmark, &DBSql::tableSocialBookmark, &LocaleSql::tableSocialBookmarks, DBProjectBase>
{
    Q_OBJECT
public:
    static constexpr int shortLimit = 128;
    static constexpr int longLimit = 1024;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    QString title() const { return m_title; }
    QString tags() const { return m_tags; }
    QString url() const { return m_url; }
    QString description() const { return m_description; }

    void setTitle(const QString& text);
    void setTags(const QString& text);
    void setUrl(const QString& text);
    void setDescription(const QString& text);

private:
    void setText(QString& field, const QString& text, int limit);

    QString m_title;
    QString m_tags;
    QString m_url;
    QString m_description;
};

} // namespace Vexal
