#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "Account": a login of the project on one website. The password
// is kept in its scrambled, stored form; decryptedPassword gives it in clear.
class DBAccount : public DBKind<DBAccount, &DBSql::tableAccount, &LocaleSql::tableAccounts, DBProjectBase>
{
    Q_OBJECT
public:
    static constexpr int loginLimit = 128;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    qint64 websiteId() const { return m_websiteId; }
    QString login() const { return m_login; }
    // The stored (scrambled) text.
    QString password() const { return m_password; }
    // The password in clear; "" when nothing is stored or it cannot be read.
    QString decryptedPassword() const;

    void setWebsiteId(qint64 websiteId) { change(m_websiteId, websiteId); }
    void setLogin(const QString& login) { change(m_login, login, loginLimit); }
    // Takes the scrambled text; it is stored whole, never cut.
    void setPassword(const QString& scrambled) { change(m_password, scrambled); }

private:
    qint64 m_websiteId = -1;
    QString m_login;
    QString m_password;
};

} // namespace Vexal
