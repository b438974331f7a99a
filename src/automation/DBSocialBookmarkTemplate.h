#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "SocialBookmarkTemplate": the selector of every field of one
// website's bookmark submission form.
class DBSocialBookmarkTemplate : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;

    explicit DBSocialBookmarkTemplate(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* source) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
    QStringList columns() const override;

    int websiteId() const { return m_websiteId; }
    QString title() const { return m_title; }
    QString tags() const { return m_tags; }
    QString url() const { return m_url; }
    QString description() const { return m_description; }

    void setWebsiteId(int websiteId);
    void setTitle(const QString& title);
    void setTags(const QString& tags);
    void setUrl(const QString& url);
    void setDescription(const QString& description);

private:
    int m_websiteId = -1;
    QString m_title;
    QString m_tags;
    QString m_url;
    QString m_description;
};

} // namespace Vexal
