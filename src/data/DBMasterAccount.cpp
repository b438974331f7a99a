#include "data/DBMasterAccount.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "data/Encryptor.h"

namespace Vexal {

DBMasterAccount::DBMasterAccount(QObject* parent)
    : DBKind(parent)
    , m_birthday(QDate::currentDate())
{
}

const DBFields& DBMasterAccount::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::flag(&DBSql::colActive, &DBMasterAccount::m_active, DBField::XmlWriteOnly),
                                    DBField::text(&DBSql::colFirstName, &DBMasterAccount::m_firstName, textLimit),
                                    DBField::text(&DBSql::colMiddleName, &DBMasterAccount::m_middleName, textLimit),
                                    DBField::text(&DBSql::colLastName, &DBMasterAccount::m_lastName, textLimit),
                                    DBField::text(&DBSql::colFullName, &DBMasterAccount::m_fullName, textLimit),
                                    DBField::text(&DBSql::colScreenName, &DBMasterAccount::m_screenName, textLimit),
                                    DBField::integer(&DBSql::colGender, &DBMasterAccount::m_gender, DBField::XmlAsFlag),
                                    DBField::date(&DBSql::colBirthday, &DBMasterAccount::m_birthday),
                                    DBField::text(&DBSql::colLogin, &DBMasterAccount::m_login, textLimit),
                                    DBField::text(&DBSql::colPassword, &DBMasterAccount::m_password, 0),
                                    DBField::text(&DBSql::colEmail, &DBMasterAccount::m_email, textLimit),
                                    DBField::text(&DBSql::colURL, &DBMasterAccount::m_url, urlLimit),
                                    DBField::integer(&DBSql::colQuestion, &DBMasterAccount::m_question),
                                    DBField::text(&DBSql::colAnswer, &DBMasterAccount::m_answer, textLimit),
                                    DBField::text(&DBSql::colCountry, &DBMasterAccount::m_country, textLimit),
                                    DBField::text(&DBSql::colCity, &DBMasterAccount::m_city, textLimit),
                                    DBField::text(&DBSql::colProvince, &DBMasterAccount::m_province, textLimit),
                                    DBField::text(&DBSql::colAddress, &DBMasterAccount::m_address, textLimit),
                                    DBField::text(&DBSql::colDetails, &DBMasterAccount::m_details, textLimit),
                                    DBField::text(&DBSql::colZipCode, &DBMasterAccount::m_zipCode, textLimit),
                                    DBField::text(&DBSql::colPhone, &DBMasterAccount::m_phone, textLimit),
                                    DBField::text(&DBSql::colFax, &DBMasterAccount::m_fax, textLimit),
                                });
    return table;
}

QString DBMasterAccount::decryptedPassword() const
{
    if (m_password.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.decode(m_password);
}

void DBMasterAccount::setFirstName(const QString& text) { change(m_firstName, text, textLimit); }
void DBMasterAccount::setMiddleName(const QString& text) { change(m_middleName, text, textLimit); }
void DBMasterAccount::setLastName(const QString& text) { change(m_lastName, text, textLimit); }
void DBMasterAccount::setFullName(const QString& text) { change(m_fullName, text, textLimit); }
void DBMasterAccount::setScreenName(const QString& text) { change(m_screenName, text, textLimit); }

void DBMasterAccount::setLogin(const QString& text) { change(m_login, text, textLimit); }

void DBMasterAccount::setEmail(const QString& text) { change(m_email, text, textLimit); }
void DBMasterAccount::setUrl(const QString& text) { change(m_url, text, urlLimit); }

void DBMasterAccount::setAnswer(const QString& text) { change(m_answer, text, textLimit); }
void DBMasterAccount::setCountry(const QString& text) { change(m_country, text, textLimit); }
void DBMasterAccount::setCity(const QString& text) { change(m_city, text, textLimit); }
void DBMasterAccount::setProvince(const QString& text) { change(m_province, text, textLimit); }
void DBMasterAccount::setAddress(const QString& text) { change(m_address, text, textLimit); }
void DBMasterAccount::setDetails(const QString& text) { change(m_details, text, textLimit); }
void DBMasterAccount::setZipCode(const QString& text) { change(m_zipCode, text, textLimit); }
void DBMasterAccount::setPhone(const QString& text) { change(m_phone, text, textLimit); }
void DBMasterAccount::setFax(const QString& text) { change(m_fax, text, textLimit); }

} // namespace Vexal
