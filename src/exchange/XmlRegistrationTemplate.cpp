#include "exchange/XmlRegistrationTemplate.h"

#include "automation/DBRegistrationTemplate.h"
#include "data/DBSql.h"

namespace Vexal {

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
    appendText(item, DBSql::colFirstName(), m_item->firstName());
    appendText(item, DBSql::colMiddleName(), m_item->middleName());
    appendText(item, DBSql::colLastName(), m_item->lastName());
    appendText(item, DBSql::colFullName(), m_item->fullName());
    appendText(item, DBSql::colScreenName(), m_item->screenName());
    appendText(item, DBSql::colGender(), m_item->gender());
    appendText(item, DBSql::colLogin(), m_item->login());
    appendText(item, DBSql::colPassword(), m_item->password());
    appendText(item, DBSql::colRPassword(), m_item->rPassword());
    appendText(item, DBSql::colEmail(), m_item->email());
    appendText(item, DBSql::colREmail(), m_item->rEmail());
    appendText(item, DBSql::colURL(), m_item->url());
    appendText(item, DBSql::colQuestion(), m_item->question());
    appendText(item, DBSql::colAnswer(), m_item->answer());
    appendText(item, DBSql::colCountry(), m_item->country());
    appendText(item, DBSql::colCity(), m_item->city());
    appendText(item, DBSql::colProvince(), m_item->province());
    appendText(item, DBSql::colAddress(), m_item->address());
    appendText(item, DBSql::colDetails(), m_item->details());
    appendText(item, DBSql::colZipCode(), m_item->zipCode());
    appendText(item, DBSql::colPhone(), m_item->phone());
    appendText(item, DBSql::colFax(), m_item->fax());
    appendText(item, DBSql::colAcceptTerms(), m_item->acceptTerms());
    appendText(item, DBSql::colRejectEmail(), m_item->rejectEmail());
}

bool XmlRegistrationTemplate::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int websiteID = readInt(item, DBSql::colWebsiteID(), &ok);
    if (ok)
        m_item->setWebsiteId(websiteID);
    if (readText(item, DBSql::colFirstName(), &text))
        m_item->setFirstName(text);
    if (readText(item, DBSql::colMiddleName(), &text))
        m_item->setMiddleName(text);
    if (readText(item, DBSql::colLastName(), &text))
        m_item->setLastName(text);
    if (readText(item, DBSql::colFullName(), &text))
        m_item->setFullName(text);
    if (readText(item, DBSql::colScreenName(), &text))
        m_item->setScreenName(text);
    if (readText(item, DBSql::colGender(), &text))
        m_item->setGender(text);
    if (readText(item, DBSql::colLogin(), &text))
        m_item->setLogin(text);
    if (readText(item, DBSql::colPassword(), &text))
        m_item->setPassword(text);
    if (readText(item, DBSql::colRPassword(), &text))
        m_item->setRPassword(text);
    if (readText(item, DBSql::colEmail(), &text))
        m_item->setEmail(text);
    if (readText(item, DBSql::colREmail(), &text))
        m_item->setREmail(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    if (readText(item, DBSql::colQuestion(), &text))
        m_item->setQuestion(text);
    if (readText(item, DBSql::colAnswer(), &text))
        m_item->setAnswer(text);
    if (readText(item, DBSql::colCountry(), &text))
        m_item->setCountry(text);
    if (readText(item, DBSql::colCity(), &text))
        m_item->setCity(text);
    if (readText(item, DBSql::colProvince(), &text))
        m_item->setProvince(text);
    if (readText(item, DBSql::colAddress(), &text))
        m_item->setAddress(text);
    if (readText(item, DBSql::colDetails(), &text))
        m_item->setDetails(text);
    if (readText(item, DBSql::colZipCode(), &text))
        m_item->setZipCode(text);
    if (readText(item, DBSql::colPhone(), &text))
        m_item->setPhone(text);
    if (readText(item, DBSql::colFax(), &text))
        m_item->setFax(text);
    if (readText(item, DBSql::colAcceptTerms(), &text))
        m_item->setAcceptTerms(text);
    if (readText(item, DBSql::colRejectEmail(), &text))
        m_item->setRejectEmail(text);
    return true;
}

} // namespace Vexal
