#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "DirectoryTemplate": the selector of every field of one
// website's directory listing form.
class DBDirectoryTemplate : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;

    explicit DBDirectoryTemplate(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* source) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
    QStringList columns() const override;

    int websiteId() const { return m_websiteId; }
    QString category() const { return m_category; }
    QString title() const { return m_title; }
    QString tags() const { return m_tags; }
    QString url() const { return m_url; }
    QString description() const { return m_description; }
    QString userName() const { return m_userName; }
    QString userEmail() const { return m_userEmail; }
    QString regularLink() const { return m_regularLink; }
    QString acceptTerms() const { return m_acceptTerms; }

    void setWebsiteId(int websiteId);
    void setCategory(const QString& category);
    void setTitle(const QString& title);
    void setTags(const QString& tags);
    void setUrl(const QString& url);
    void setDescription(const QString& description);
    void setUserName(const QString& userName);
    void setUserEmail(const QString& userEmail);
    void setRegularLink(const QString& regularLink);
    void setAcceptTerms(const QString& acceptTerms);

private:
    int m_websiteId = -1;
    QString m_category;
    QString m_title;
    QString m_tags;
    QString m_url;
    QString m_description;
    QString m_userName;
    QString m_userEmail;
    QString m_regularLink;
    QString m_acceptTerms;
};

} // namespace Vexal
