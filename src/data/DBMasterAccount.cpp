#include "data/DBMasterAccount.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/Encryptor.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBMasterAccount::DBMasterAccount(QObject* parent)
    : DBBase(parent)
    , m_birthday(QDate::currentDate())
{
}

void DBMasterAccount::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colActive(true), boolValue(m_active));
    query.bindValue(DBSql::colFirstName(true), m_firstName);
    query.bindValue(DBSql::colMiddleName(true), m_middleName);
    query.bindValue(DBSql::colLastName(true), m_lastName);
    query.bindValue(DBSql::colFullName(true), m_fullName);
    query.bindValue(DBSql::colScreenName(true), m_screenName);
    query.bindValue(DBSql::colGender(true), m_gender);
    query.bindValue(DBSql::colBirthday(true), dateValue(m_birthday));
    query.bindValue(DBSql::colLogin(true), m_login);
    query.bindValue(DBSql::colPassword(true), m_password);
    query.bindValue(DBSql::colEmail(true), m_email);
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
}

void DBMasterAccount::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_active = readBool(query.value(3));
    m_firstName = query.value(4).toString();
    m_middleName = query.value(5).toString();
    m_lastName = query.value(6).toString();
    m_fullName = query.value(7).toString();
    m_screenName = query.value(8).toString();
    m_gender = query.value(9).toInt();
    m_birthday = readDate(query.value(10));
    m_login = query.value(11).toString();
    m_password = query.value(12).toString();
    m_email = query.value(13).toString();
    m_url = query.value(14).toString();
    m_question = query.value(15).toInt();
    m_answer = query.value(16).toString();
    m_country = query.value(17).toString();
    m_city = query.value(18).toString();
    m_province = query.value(19).toString();
    m_address = query.value(20).toString();
    m_details = query.value(21).toString();
    m_zipCode = query.value(22).toString();
    m_phone = query.value(23).toString();
    m_fax = query.value(24).toString();
}

void DBMasterAccount::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBMasterAccount*>(source);
    if (!other)
        return;
    setActive(other->m_active);
    setFirstName(other->m_firstName);
    setMiddleName(other->m_middleName);
    setLastName(other->m_lastName);
    setFullName(other->m_fullName);
    setScreenName(other->m_screenName);
    setGender(other->m_gender);
    setBirthday(other->m_birthday);
    setLogin(other->m_login);
    setPassword(other->m_password);
    setEmail(other->m_email);
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
}

DBBase* DBMasterAccount::create(QObject* parent) const
{
    return new DBMasterAccount(parent);
}

QString DBMasterAccount::tableName() const
{
    return DBSql::tableMasterAccount();
}

QString DBMasterAccount::displayName() const
{
    return LocaleSql::tableMasterAccounts();
}

QStringList DBMasterAccount::columns() const
{
    return commonColumns() << DBSql::colActive() << DBSql::colFirstName() << DBSql::colMiddleName()
                           << DBSql::colLastName() << DBSql::colFullName() << DBSql::colScreenName()
                           << DBSql::colGender() << DBSql::colBirthday() << DBSql::colLogin()
                           << DBSql::colPassword() << DBSql::colEmail() << DBSql::colURL() << DBSql::colQuestion()
                           << DBSql::colAnswer() << DBSql::colCountry() << DBSql::colCity() << DBSql::colProvince()
                           << DBSql::colAddress() << DBSql::colDetails() << DBSql::colZipCode() << DBSql::colPhone()
                           << DBSql::colFax();
}

QString DBMasterAccount::decryptedPassword() const
{
    if (m_password.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.decode(m_password);
}

void DBMasterAccount::setText(QString& field, const QString& text, int limit)
{
    markModified();
    field = Convert::leftText(text, limit);
}

void DBMasterAccount::setActive(bool active)
{
    markModified();
    m_active = active;
}

void DBMasterAccount::setFirstName(const QString& text) { setText(m_firstName, text, textLimit); }
void DBMasterAccount::setMiddleName(const QString& text) { setText(m_middleName, text, textLimit); }
void DBMasterAccount::setLastName(const QString& text) { setText(m_lastName, text, textLimit); }
void DBMasterAccount::setFullName(const QString& text) { setText(m_fullName, text, textLimit); }
void DBMasterAccount::setScreenName(const QString& text) { setText(m_screenName, text, textLimit); }

void DBMasterAccount::setGender(int code)
{
    markModified();
    m_gender = code;
}

void DBMasterAccount::setBirthday(const QDate& date)
{
    markModified();
    m_birthday = date;
}

void DBMasterAccount::setLogin(const QString& text) { setText(m_login, text, textLimit); }

void DBMasterAccount::setPassword(const QString& scrambled)
{
    markModified();
    m_password = scrambled;
}

void DBMasterAccount::setEmail(const QString& text) { setText(m_email, text, textLimit); }
void DBMasterAccount::setUrl(const QString& text) { setText(m_url, text, urlLimit); }

void DBMasterAccount::setQuestion(int question)
{
    markModified();
    m_question = question;
}

void DBMasterAccount::setAnswer(const QString& text) { setText(m_answer, text, textLimit); }
void DBMasterAccount::setCountry(const QString& text) { setText(m_country, text, textLimit); }
void DBMasterAccount::setCity(const QString& text) { setText(m_city, text, textLimit); }
void DBMasterAccount::setProvince(const QString& text) { setText(m_province, text, textLimit); }
void DBMasterAccount::setAddress(const QString& text) { setText(m_address, text, textLimit); }
void DBMasterAccount::setDetails(const QString& text) { setText(m_details, text, textLimit); }
void DBMasterAccount::setZipCode(const QString& text) { setText(m_zipCode, text, textLimit); }
void DBMasterAccount::setPhone(const QString& text) { setText(m_phone, text, textLimit); }
void DBMasterAccount::setFax(const QString& text) { setText(m_fax, text, textLimit); }

} // namespace Vexal
