#pragma once

#include "data/DBProjectBase.h"

namespace Vexal {

// One row of "SocialBookmark": a project's bookmark submitted to social
// bookmarking sites.
class DBSocialBookmark : public DBProjectBase
{
    Q_OBJECT
public:
    static constexpr int shortLimit = 128;
    static constexpr int longLimit = 1024;

    explicit DBSocialBookmark(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

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
