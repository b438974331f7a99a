#include "exchange/XmlWebsite.h"

#include "data/DBWebsite.h"
#include "core/DBSql.h"

namespace Vexal {

XmlWebsite::XmlWebsite(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBWebsite(this))
{
    setRecord(m_item);
}

void XmlWebsite::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colType(), m_item->type());
    appendText(item, DBSql::colHost(), m_item->host());
    appendText(item, DBSql::colHomePage(), m_item->homePage());
    appendText(item, DBSql::colLoginPage(), m_item->loginPage());
    appendText(item, DBSql::colLogoutPage(), m_item->logoutPage());
    appendText(item, DBSql::colRegistrationPage(), m_item->registrationPage());
    appendText(item, DBSql::colUserPage(), m_item->userPage());
    appendBool(item, DBSql::colEmail(), m_item->email());
    appendInt(item, DBSql::colGPR(), m_item->gpr());
    appendInt(item, DBSql::colAPR(), m_item->apr());
}

bool XmlWebsite::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int type = readInt(item, DBSql::colType(), &ok);
    if (ok)
        m_item->setType(type);
    if (readText(item, DBSql::colHost(), &text))
        m_item->setHost(text);
    if (readText(item, DBSql::colHomePage(), &text))
        m_item->setHomePage(text);
    if (readText(item, DBSql::colLoginPage(), &text))
        m_item->setLoginPage(text);
    if (readText(item, DBSql::colLogoutPage(), &text))
        m_item->setLogoutPage(text);
    if (readText(item, DBSql::colRegistrationPage(), &text))
        m_item->setRegistrationPage(text);
    if (readText(item, DBSql::colUserPage(), &text))
        m_item->setUserPage(text);
    const bool email = readBool(item, DBSql::colEmail(), &ok);
    if (ok)
        m_item->setEmail(email);
    const int gPR = readInt(item, DBSql::colGPR(), &ok);
    if (ok)
        m_item->setGpr(gPR);
    const int aPR = readInt(item, DBSql::colAPR(), &ok);
    if (ok)
        m_item->setApr(aPR);
    return true;
}

} // namespace Vexal
