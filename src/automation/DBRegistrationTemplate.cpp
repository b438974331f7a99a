#include "automation/DBRegistrationTemplate.h"

#include "data/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBRegistrationTemplate::DBRegistrationTemplate(QObject* parent)
    : DBBase(parent)
{
}

void DBRegistrationTemplate::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    query.bindValue(DBSql::colFirstName(true), m_firstName);
    query.bindValue(DBSql::colMiddleName(true), m_middleName);
    query.bindValue(DBSql::colLastName(true), m_lastName);
    query.bindValue(DBSql::colFullName(true), m_fullName);
    query.bindValue(DBSql::colScreenName(true), m_screenName);
    query.bindValue(DBSql::colGender(true), m_gender);
    query.bindValue(DBSql::colLogin(true), m_login);
    query.bindValue(DBSql::colPassword(true), m_password);
    query.bindValue(DBSql::colRPassword(true), m_rPassword);
    query.bindValue(DBSql::colEmail(true), m_email);
    query.bindValue(DBSql::colREmail(true), m_rEmail);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colQuestion(true), m_question);
    query.bindValue(DBSql::colAnswer(true), m_answer);
    query.bindValue(DBSql::colCountry(true), m_country);
    query.bindValue(DBSql::colCity(true), m_city);
    query.bindValue(DBSql::colProvince(true), m_province);
    query.bindValue(DBSql::colAddress(true), m_address);
    query.bindValue(DBSql::colDetails(true), m_details);
    query.bindValue(DBSql::colZipCode(true), m_zipCode);
    query.bindValue(DBSql::colPhone(true), m_phone);
    query.bindValue(DBSql::colFax(true), m_fax);
    query.bindValue(DBSql::colAcceptTerms(true), m_acceptTerms);
    query.bindValue(DBSql::colRejectEmail(true), m_rejectEmail);
}

void DBRegistrationTemplate::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_websiteId = query.value(3).toInt();
    m_firstName = query.value(4).toString();
    m_middleName = query.value(5).toString();
    m_lastName = query.value(6).toString();
    m_fullName = query.value(7).toString();
    m_screenName = query.value(8).toString();
    m_gender = query.value(9).toString();
    m_login = query.value(10).toString();
    m_password = query.value(11).toString();
    m_rPassword = query.value(12).toString();
    m_email = query.value(13).toString();
    m_rEmail = query.value(14).toString();
    m_url = query.value(15).toString();
    m_question = query.value(16).toString();
    m_answer = query.value(17).toString();
    m_country = query.value(18).toString();
    m_city = query.value(19).toString();
    m_province = query.value(20).toString();
    m_address = query.value(21).toString();
    m_details = query.value(22).toString();
    m_zipCode = query.value(23).toString();
    m_phone = query.value(24).toString();
    m_fax = query.value(25).toString();
    m_acceptTerms = query.value(26).toString();
    m_rejectEmail = query.value(27).toString();
}

void DBRegistrationTemplate::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBRegistrationTemplate*>(source);
    if (!other)
        return;
    setWebsiteId(other->m_websiteId);
    setFirstName(other->m_firstName);
    setMiddleName(other->m_middleName);
    setLastName(other->m_lastName);
    setFullName(other->m_fullName);
    setScreenName(other->m_screenName);
    setGender(other->m_gender);
    setLogin(other->m_login);
    setPassword(other->m_password);
    setRPassword(other->m_rPassword);
    setEmail(other->m_email);
    setREmail(other->m_rEmail);
    setUrl(other->m_url);
    setQuestion(other->m_question);
    setAnswer(other->m_answer);
    setCountry(other->m_country);
    setCity(other->m_city);
    setProvince(other->m_province);
    setAddress(other->m_address);
    setDetails(other->m_details);
    setZipCode(other->m_zipCode);
    setPhone(other->m_phone);
    setFax(other->m_fax);
    setAcceptTerms(other->m_acceptTerms);
    setRejectEmail(other->m_rejectEmail);
}

DBBase* DBRegistrationTemplate::create(QObject* parent) const
{
    return new DBRegistrationTemplate(parent);
}

QString DBRegistrationTemplate::tableName() const
{
    return DBSql::tableRegistrationTemplate();
}

QString DBRegistrationTemplate::displayName() const
{
    return LocaleSql::tableRegistrationTemplates();
}

QStringList DBRegistrationTemplate::columns() const
{
    return commonColumns() << DBSql::colWebsiteID() << DBSql::colFirstName() << DBSql::colMiddleName()
                           << DBSql::colLastName() << DBSql::colFullName() << DBSql::colScreenName()
                           << DBSql::colGender() << DBSql::colLogin() << DBSql::colPassword()
                           << DBSql::colRPassword() << DBSql::colEmail() << DBSql::colREmail()
                           << DBSql::colURL() << DBSql::colQuestion() << DBSql::colAnswer()
                           << DBSql::colCountry() << DBSql::colCity() << DBSql::colProvince()
                           << DBSql::colAddress() << DBSql::colDetails() << DBSql::colZipCode()
                           << DBSql::colPhone() << DBSql::colFax() << DBSql::colAcceptTerms()
                           << DBSql::colRejectEmail();
}

void DBRegistrationTemplate::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBRegistrationTemplate::setFirstName(const QString& firstName)
{
    markModified();
    m_firstName = firstName.left(selectorLimit);
}

void DBRegistrationTemplate::setMiddleName(const QString& middleName)
{
    markModified();
    m_middleName = middleName.left(selectorLimit);
}

void DBRegistrationTemplate::setLastName(const QString& lastName)
{
    markModified();
    m_lastName = lastName.left(selectorLimit);
}

void DBRegistrationTemplate::setFullName(const QString& fullName)
{
    markModified();
    m_fullName = fullName.left(selectorLimit);
}

void DBRegistrationTemplate::setScreenName(const QString& screenName)
{
    markModified();
    m_screenName = screenName.left(selectorLimit);
}

void DBRegistrationTemplate::setGender(const QString& gender)
{
    markModified();
    m_gender = gender.left(selectorLimit);
}

void DBRegistrationTemplate::setLogin(const QString& login)
{
    markModified();
    m_login = login.left(selectorLimit);
}

void DBRegistrationTemplate::setPassword(const QString& password)
{
    markModified();
    m_password = password.left(selectorLimit);
}

void DBRegistrationTemplate::setRPassword(const QString& rPassword)
{
    markModified();
    m_rPassword = rPassword.left(selectorLimit);
}

void DBRegistrationTemplate::setEmail(const QString& email)
{
    markModified();
    m_email = email.left(selectorLimit);
}

void DBRegistrationTemplate::setREmail(const QString& rEmail)
{
    markModified();
    m_rEmail = rEmail.left(selectorLimit);
}

void DBRegistrationTemplate::setUrl(const QString& url)
{
    markModified();
    m_url = url.left(selectorLimit);
}

void DBRegistrationTemplate::setQuestion(const QString& question)
{
    markModified();
    m_question = question.left(selectorLimit);
}

void DBRegistrationTemplate::setAnswer(const QString& answer)
{
    markModified();
    m_answer = answer.left(selectorLimit);
}

void DBRegistrationTemplate::setCountry(const QString& country)
{
    markModified();
    m_country = country.left(selectorLimit);
}

void DBRegistrationTemplate::setCity(const QString& city)
{
    markModified();
    m_city = city.left(selectorLimit);
}

void DBRegistrationTemplate::setProvince(const QString& province)
{
    markModified();
    m_province = province.left(selectorLimit);
}

void DBRegistrationTemplate::setAddress(const QString& address)
{
    markModified();
    m_address = address.left(selectorLimit);
}

void DBRegistrationTemplate::setDetails(const QString& details)
{
    markModified();
    m_details = details.left(selectorLimit);
}

void DBRegistrationTemplate::setZipCode(const QString& zipCode)
{
    markModified();
    m_zipCode = zipCode.left(selectorLimit);
}

void DBRegistrationTemplate::setPhone(const QString& phone)
{
    markModified();
    m_phone = phone.left(selectorLimit);
}

void DBRegistrationTemplate::setFax(const QString& fax)
{
    markModified();
    m_fax = fax.left(selectorLimit);
}

void DBRegistrationTemplate::setAcceptTerms(const QString& acceptTerms)
{
    markModified();
    m_acceptTerms = acceptTerms.left(selectorLimit);
}

void DBRegistrationTemplate::setRejectEmail(const QString& rejectEmail)
{
    markModified();
    m_rejectEmail = rejectEmail.left(selectorLimit);
}

} // namespace Vexal
