#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "LoginTemplate": where, on one website's login form, the login
// name, the password and the submit button are (each a selector text).
class DBLoginTemplate : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;

    explicit DBLoginTemplate(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* source) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
    QStringList columns() const override;

    int websiteId() const { return m_websiteId; }
    QString login() const { return m_login; }
    QString password() const { return m_password; }
    QString submit() const { return m_submit; }

    void setWebsiteId(int websiteId);
    void setLogin(const QString& login);
    void setPassword(const QString& password);
    void setSubmit(const QString& submit);

private:
    int m_websiteId = -1;
    QString m_login;
    QString m_password;
    QString m_submit;
};

} // namespace Vexal
