#include "data/DBAccount.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "data/Encryptor.h"

namespace Vexal {

const DBFields& DBAccount::fields() const
{
    static const DBFields table(projectFields(),
                                {
                                    DBField::integer(&DBSql::colWebsiteID, &DBAccount::m_websiteId),
                                    DBField::text(&DBSql::colLogin, &DBAccount::m_login, loginLimit),
                                    DBField::text(&DBSql::colPassword, &DBAccount::m_password, 0),
                                });
    return table;
}

QString DBAccount::decryptedPassword() const
{
    if (m_password.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.decode(m_password);
}

} // namespace Vexal
