#include "data/DBAccount.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/Encryptor.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBAccount::DBAccount(QObject* parent)
    : DBProjectBase(parent)
{
}

void DBAccount::bindValues(QSqlQuery& query)
{
    DBProjectBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    query.bindValue(DBSql::colLogin(true), m_login);
    query.bindValue(DBSql::colPassword(true), m_password);
}

void DBAccount::readValues(const QSqlQuery& query)
{
    DBProjectBase::readValues(query);
    m_websiteId = query.value(4).toInt();
    m_login = query.value(5).toString();
    m_password = query.value(6).toString();
}

void DBAccount::assign(const DBBase* source)
{
    DBProjectBase::assign(source);
    const auto* other = qobject_cast<const DBAccount*>(source);
    if (!other)
        return;
    setWebsiteId(other->m_websiteId);
    setLogin(other->m_login);
    setPassword(other->m_password);
}

DBBase* DBAccount::create(QObject* parent) const
{
    return new DBAccount(parent);
}

QString DBAccount::tableName() const
{
    return DBSql::tableAccount();
}

QString DBAccount::displayName() const
{
    return LocaleSql::tableAccounts();
}

QStringList DBAccount::columns() const
{
    return projectColumns() << DBSql::colWebsiteID() << DBSql::colLogin() << DBSql::colPassword();
}

QString DBAccount::decryptedPassword() const
{
    if (m_password.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.decode(m_password);
}

void DBAccount::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBAccount::setLogin(const QString& login)
{
    markModified();
    m_login = Convert::leftText(login, loginLimit);
}

void DBAccount::setPassword(const QString& scrambled)
{
    markModified();
    m_password = scrambled;
}

} // namespace Vexal
