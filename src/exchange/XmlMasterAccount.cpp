#include "exchange/XmlMasterAccount.h"

#include "data/DBMasterAccount.h"
#include "core/DBSql.h"

namespace Vexal {

namespace {

// The runs of text columns, in file order.
const XmlBase::TextField<DBMasterAccount> nameFields[] = {
    {&DBSql::colFirstName, &DBMasterAccount::firstName, &DBMasterAccount::setFirstName},
    {&DBSql::colMiddleName, &DBMasterAccount::middleName, &DBMasterAccount::setMiddleName},
    {&DBSql::colLastName, &DBMasterAccount::lastName, &DBMasterAccount::setLastName},
    {&DBSql::colFullName, &DBMasterAccount::fullName, &DBMasterAccount::setFullName},
    {&DBSql::colScreenName, &DBMasterAccount::screenName, &DBMasterAccount::setScreenName},
};

const XmlBase::TextField<DBMasterAccount> loginFields[] = {
    {&DBSql::colLogin, &DBMasterAccount::login, &DBMasterAccount::setLogin},
    {&DBSql::colPassword, &DBMasterAccount::password, &DBMasterAccount::setPassword},
    {&DBSql::colEmail, &DBMasterAccount::email, &DBMasterAccount::setEmail},
    {&DBSql::colURL, &DBMasterAccount::url, &DBMasterAccount::setUrl},
};

const XmlBase::TextField<DBMasterAccount> contactFields[] = {
    {&DBSql::colAnswer, &DBMasterAccount::answer, &DBMasterAccount::setAnswer},
    {&DBSql::colCountry, &DBMasterAccount::country, &DBMasterAccount::setCountry},
    {&DBSql::colCity, &DBMasterAccount::city, &DBMasterAccount::setCity},
    {&DBSql::colProvince, &DBMasterAccount::province, &DBMasterAccount::setProvince},
    {&DBSql::colAddress, &DBMasterAccount::address, &DBMasterAccount::setAddress},
    {&DBSql::colDetails, &DBMasterAccount::details, &DBMasterAccount::setDetails},
    {&DBSql::colZipCode, &DBMasterAccount::zipCode, &DBMasterAccount::setZipCode},
    {&DBSql::colPhone, &DBMasterAccount::phone, &DBMasterAccount::setPhone},
    {&DBSql::colFax, &DBMasterAccount::fax, &DBMasterAccount::setFax},
};

} // namespace

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
    appendTexts(item, m_item, nameFields);
    appendBool(item, DBSql::colGender(), m_item->gender() != 0);
    appendDate(item, DBSql::colBirthday(), m_item->birthday());
    appendTexts(item, m_item, loginFields);
    appendInt(item, DBSql::colQuestion(), m_item->question());
    appendTexts(item, m_item, contactFields);
}

bool XmlMasterAccount::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    readTexts(item, m_item, nameFields);
    const bool gender = readBool(item, DBSql::colGender(), &ok);
    if (ok)
        m_item->setGender(gender ? 1 : 0);
    const QDate birthday = readDate(item, DBSql::colBirthday(), &ok);
    if (ok)
        m_item->setBirthday(birthday);
    readTexts(item, m_item, loginFields);
    const int question = readInt(item, DBSql::colQuestion(), &ok);
    if (ok)
        m_item->setQuestion(question);
    readTexts(item, m_item, contactFields);
    // "Active" is written but never read: an inserted row is never active, an overwritten one keeps its flag.
    return true;
}

} // namespace Vexal
