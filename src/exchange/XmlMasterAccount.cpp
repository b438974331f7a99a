#include "exchange/XmlMasterAccount.h"

#include "data/DBMasterAccount.h"
#include "data/DBSql.h"

namespace Vexal {

XmlMasterAccount::XmlMasterAccount(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBMasterAccount(this))
{
    setRecord(m_item);
}

void XmlMasterAccount::write(XmlItem& item)
{
    XmlBase::write(item);
    appendBool(item, DBSql::colActive(), m_item->isActive());
    appendText(item, DBSql::colFirstName(), m_item->firstName());
    appendText(item, DBSql::colMiddleName(), m_item->middleName());
    appendText(item, DBSql::colLastName(), m_item->lastName());
    appendText(item, DBSql::colFullName(), m_item->fullName());
    appendText(item, DBSql::colScreenName(), m_item->screenName());
    appendBool(item, DBSql::colGender(), m_item->gender() != 0);
    appendDate(item, DBSql::colBirthday(), m_item->birthday());
    appendText(item, DBSql::colLogin(), m_item->login());
    appendText(item, DBSql::colPassword(), m_item->password());
    appendText(item, DBSql::colEmail(), m_item->email());
    appendText(item, DBSql::colURL(), m_item->url());
    appendInt(item, DBSql::colQuestion(), m_item->question());
    appendText(item, DBSql::colAnswer(), m_item->answer());
    appendText(item, DBSql::colCountry(), m_item->country());
    appendText(item, DBSql::colCity(), m_item->city());
    appendText(item, DBSql::colProvince(), m_item->province());
    appendText(item, DBSql::colAddress(), m_item->address());
    appendText(item, DBSql::colDetails(), m_item->details());
    appendText(item, DBSql::colZipCode(), m_item->zipCode());
    appendText(item, DBSql::colPhone(), m_item->phone());
    appendText(item, DBSql::colFax(), m_item->fax());
}

bool XmlMasterAccount::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
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
    const bool gender = readBool(item, DBSql::colGender(), &ok);
    if (ok)
        m_item->setGender(gender ? 1 : 0);
    const QDate birthday = readDate(item, DBSql::colBirthday(), &ok);
    if (ok)
        m_item->setBirthday(birthday);
    if (readText(item, DBSql::colLogin(), &text))
        m_item->setLogin(text);
    if (readText(item, DBSql::colPassword(), &text))
        m_item->setPassword(text);
    if (readText(item, DBSql::colEmail(), &text))
        m_item->setEmail(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    const int question = readInt(item, DBSql::colQuestion(), &ok);
    if (ok)
        m_item->setQuestion(question);
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
    // "Active" is written but never read: an inserted row is never active, an overwritten one keeps its flag.
    return true;
}

} // namespace Vexal
