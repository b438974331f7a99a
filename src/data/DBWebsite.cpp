#include "data/DBWebsite.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"
#include "texts/LocaleWidgets.h"

#include <QSqlQuery>

namespace Vexal {

DBWebsite::DBWebsite(QObject* parent)
    : DBBase(parent)
{
}

void DBWebsite::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colType(true), m_type);
    query.bindValue(DBSql::colHost(true), m_host);
    query.bindValue(DBSql::colHomePage(true), m_homePage);
    query.bindValue(DBSql::colLoginPage(true), m_loginPage);
    query.bindValue(DBSql::colLogoutPage(true), m_logoutPage);
    query.bindValue(DBSql::colRegistrationPage(true), m_registrationPage);
    query.bindValue(DBSql::colUserPage(true), m_userPage);
    query.bindValue(DBSql::colEmail(true), boolValue(m_email));
    query.bindValue(DBSql::colGPR(true), m_gpr);
    query.bindValue(DBSql::colAPR(true), m_apr);
}

void DBWebsite::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_type = query.value(3).toInt();
    m_host = query.value(4).toString();
    m_homePage = query.value(5).toString();
    m_loginPage = query.value(6).toString();
    m_logoutPage = query.value(7).toString();
    m_registrationPage = query.value(8).toString();
    m_userPage = query.value(9).toString();
    m_email = readBool(query.value(10));
    m_gpr = query.value(11).toInt();
    m_apr = query.value(12).toInt();
}

void DBWebsite::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBWebsite*>(source);
    if (!other)
        return;
    setType(other->m_type);
    setHost(other->m_host);
    setHomePage(other->m_homePage);
    setLoginPage(other->m_loginPage);
    setLogoutPage(other->m_logoutPage);
    setRegistrationPage(other->m_registrationPage);
    setUserPage(other->m_userPage);
    setEmail(other->m_email);
    setGpr(other->m_gpr);
    setApr(other->m_apr);
}

DBBase* DBWebsite::create(QObject* parent) const
{
    return new DBWebsite(parent);
}

QString DBWebsite::tableName() const
{
    return DBSql::tableWebsite();
}

QString DBWebsite::displayName() const
{
    return LocaleSql::tableWebsites();
}

QStringList DBWebsite::columns() const
{
    return commonColumns() << DBSql::colType() << DBSql::colHost() << DBSql::colHomePage()
                           << DBSql::colLoginPage() << DBSql::colLogoutPage() << DBSql::colRegistrationPage()
                           << DBSql::colUserPage() << DBSql::colEmail() << DBSql::colGPR() << DBSql::colAPR();
}

void DBWebsite::setType(int flags)
{
    markModified();
    m_type = flags;
}

void DBWebsite::setHost(const QString& host)
{
    markModified();
    m_host = Convert::leftText(host, hostLimit);
}

void DBWebsite::setHomePage(const QString& url)
{
    markModified();
    m_homePage = Convert::leftText(url, pageLimit);
}

void DBWebsite::setLoginPage(const QString& url)
{
    markModified();
    m_loginPage = Convert::leftText(url, pageLimit);
}

void DBWebsite::setLogoutPage(const QString& url)
{
    markModified();
    m_logoutPage = Convert::leftText(url, pageLimit);
}

void DBWebsite::setRegistrationPage(const QString& url)
{
    markModified();
    m_registrationPage = Convert::leftText(url, pageLimit);
}

void DBWebsite::setUserPage(const QString& url)
{
    markModified();
    m_userPage = Convert::leftText(url, pageLimit);
}

void DBWebsite::setEmail(bool email)
{
    markModified();
    m_email = email;
}

void DBWebsite::setGpr(int gpr)
{
    markModified();
    m_gpr = gpr;
}

void DBWebsite::setApr(int apr)
{
    markModified();
    m_apr = apr;
}

int DBWebsite::firstType(int flags)
{
    for (int flag = 2; flag <= 256; flag <<= 1) {
        if (flags & flag)
            return flag;
    }
    return 0;
}

QString DBWebsite::typeText(int flag)
{
    switch (flag) {
    case 2:
        return LocaleWidgets::typeUserDefined();
    case 4:
        return LocaleWidgets::typeEmail();
    case 8:
        return LocaleWidgets::typeArticles();
    case 16:
        return LocaleWidgets::typeBlogs();
    case 32:
        return LocaleWidgets::typeDirectories();
    case 64:
        return LocaleWidgets::typeForums();
    case 128:
        return LocaleWidgets::typeSocialBookmarks();
    case 256:
        return LocaleWidgets::typeVideoDirectories();
    default:
        return LocaleWidgets::typeUndefined();
    }
}

} // namespace Vexal
