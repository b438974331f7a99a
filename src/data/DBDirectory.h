#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "Directory": a directory entry of a project, the texts that are
// submitted to web directories.
class DBDirectory : public DBKind<DBDirectory, &DBSql::tableDirectory, &LocaleSql::tableDirectories, DBProjectBase>
{
    Q_OBJECT
public:
    static constexpr int shortLimit = 128;
    static constexpr int longLimit = 1024;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    int categoryId() const { return m_categoryId; }
    QString title() const { return m_title; }
    QString tags() const { return m_tags; }
    QString url() const { return m_url; }
    QString description() const { return m_description; }
    QString userName() const { return m_userName; }
    QString userEmail() const { return m_userEmail; }

    void setCategoryId(int categoryId);
    void setTitle(const QString& text);
    void setTags(const QString& text);
    void setUrl(const QString& text);
    void setDescription(const QString& text);
    void setUserName(const QString& text);
    void setUserEmail(const QString& text);

private:
    void setText(QString& field, const QString& text, int limit);

    int m_categoryId = -1;
    QString m_title;
    QString m_tags;
    QString m_url;
    QString m_description;
    QString m_userName;
    QString m_userEmail;
};

} // namespace Vexal
