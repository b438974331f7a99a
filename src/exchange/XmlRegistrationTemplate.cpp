#include "exchange/XmlRegistrationTemplate.h"

#include "automation/DBRegistrationTemplate.h"
#include "core/DBSql.h"

namespace Vexal {

namespace {

// Every column after WebsiteID, in file order.
const XmlBase::TextField<DBRegistrationTemplate> textFields[] = {
    {&DBSql::colFirstName, &DBRegistrationTemplate::firstName, &DBRegistrationTemplate::setFirstName},
    {&DBSql::colMiddleName, &DBRegistrationTemplate::middleName, &DBRegistrationTemplate::setMiddleName},
    {&DBSql::colLastName, &DBRegistrationTemplate::lastName, &DBRegistrationTemplate::setLastName},
    {&DBSql::colFullName, &DBRegistrationTemplate::fullName, &DBRegistrationTemplate::setFullName},
    {&DBSql::colScreenName, &DBRegistrationTemplate::screenName, &DBRegistrationTemplate::setScreenName},
    {&DBSql::colGender, &DBRegistrationTemplate::gender, &DBRegistrationTemplate::setGender},
    {&DBSql::colLogin, &DBRegistrationTemplate::login, &DBRegistrationTemplate::setLogin},
    {&DBSql::colPassword, &DBRegistrationTemplate::password, &DBRegistrationTemplate::setPassword},
    {&DBSql::colRPassword, &DBRegistrationTemplate::rPassword, &DBRegistrationTemplate::setRPassword},
    {&DBSql::colEmail, &DBRegistrationTemplate::email, &DBRegistrationTemplate::setEmail},
    {&DBSql::colREmail, &DBRegistrationTemplate::rEmail, &DBRegistrationTemplate::setREmail},
    {&DBSql::colURL, &DBRegistrationTemplate::url, &DBRegistrationTemplate::setUrl},
    {&DBSql::colQuestion, &DBRegistrationTemplate::question, &DBRegistrationTemplate::setQuestion},
    {&DBSql::colAnswer, &DBRegistrationTemplate::answer, &DBRegistrationTemplate::setAnswer},
    {&DBSql::colCountry, &DBRegistrationTemplate::country, &DBRegistrationTemplate::setCountry},
    {&DBSql::colCity, &DBRegistrationTemplate::city, &DBRegistrationTemplate::setCity},
    {&DBSql::colProvince, &DBRegistrationTemplate::province, &DBRegistrationTemplate::setProvince},
    {&DBSql::colAddress, &DBRegistrationTemplate::address, &DBRegistrationTemplate::setAddress},
    {&DBSql::colDetails, &DBRegistrationTemplate::details, &DBRegistrationTemplate::setDetails},
    {&DBSql::colZipCode, &DBRegistrationTemplate::zipCode, &DBRegistrationTemplate::setZipCode},
    {&DBSql::colPhone, &DBRegistrationTemplate::phone, &DBRegistrationTemplate::setPhone},
    {&DBSql::colFax, &DBRegistrationTemplate::fax, &DBRegistrationTemplate::setFax},
    {&DBSql::colAcceptTerms, &DBRegistrationTemplate::acceptTerms, &DBRegistrationTemplate::setAcceptTerms},
    {&DBSql::colRejectEmail, &DBRegistrationTemplate::rejectEmail, &DBRegistrationTemplate::setRejectEmail},
};

} // namespace

XmlRegistrationTemplate::XmlRegistrationTemplate(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBRegistrationTemplate(this))
{
    setRecord(m_item);
}

void XmlRegistrationTemplate::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colWebsiteID(), m_item->websiteId());
    appendTexts(item, m_item, textFields);
}

bool XmlRegistrationTemplate::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    const int websiteID = readInt(item, DBSql::colWebsiteID(), &ok);
    if (ok)
        m_item->setWebsiteId(websiteID);
    readTexts(item, m_item, textFields);
    return true;
}

} // namespace Vexal
