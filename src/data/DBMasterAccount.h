#pragma once

#include "data/DBKind.h"

#include <QDate>

namespace Vexal {

// One row of "MasterAccount": an identity used to register on websites. At
// most one is meant to be active. The password is kept in its scrambled,
// stored form; decryptedPassword gives it in clear.
class DBMasterAccount final
    : public DBKind<DBMasterAccount, &DBSql::tableMasterAccount, &LocaleSql::tableMasterAccounts>
{
    Q_OBJECT
public:
    static constexpr int textLimit = 128;
    static constexpr int urlLimit = 1024;

    explicit DBMasterAccount(QObject* parent = nullptr);

    const DBFields& fields() const override;

    bool isActive() const { return m_active; }
    QString firstName() const { return m_firstName; }
    QString middleName() const { return m_middleName; }
    QString lastName() const { return m_lastName; }
    QString fullName() const { return m_fullName; }
    QString screenName() const { return m_screenName; }
    // One-byte code: 1 male (a new record's value), 0 female.
    int gender() const { return m_gender; }
    QDate birthday() const { return m_birthday; }
    QString login() const { return m_login; }
    // The stored (scrambled) text.
    QString password() const { return m_password; }
    // The password in clear; "" when nothing is stored or it cannot be read.
    QString decryptedPassword() const;
    QString email() const { return m_email; }
    QString url() const { return m_url; }
    int question() const { return m_question; }
    QString answer() const { return m_answer; }
    QString country() const { return m_country; }
    QString city() const { return m_city; }
    QString province() const { return m_province; }
    QString address() const { return m_address; }
    QString details() const { return m_details; }
    QString zipCode() const { return m_zipCode; }
    QString phone() const { return m_phone; }
    QString fax() const { return m_fax; }

    void setActive(bool active) { change(m_active, active); }
    void setFirstName(const QString& text);
    void setMiddleName(const QString& text);
    void setLastName(const QString& text);
    void setFullName(const QString& text);
    void setScreenName(const QString& text);
    void setGender(int code) { change(m_gender, code); }
    void setBirthday(const QDate& date) { change(m_birthday, date); }
    void setLogin(const QString& text);
    // Takes the scrambled text; it is stored whole, never cut.
    void setPassword(const QString& scrambled) { change(m_password, scrambled); }
    void setEmail(const QString& text);
    void setUrl(const QString& text);
    void setQuestion(int question) { change(m_question, question); }
    void setAnswer(const QString& text);
    void setCountry(const QString& text);
    void setCity(const QString& text);
    void setProvince(const QString& text);
    void setAddress(const QString& text);
    void setDetails(const QString& text);
    void setZipCode(const QString& text);
    void setPhone(const QString& text);
    void setFax(const QString& text);

private:
    bool m_active = false;
    QString m_firstName;
    QString m_middleName;
    QString m_lastName;
    QString m_fullName;
    QString m_screenName;
    int m_gender = 1;
    QDate m_birthday;
    QString m_login;
    QString m_password;
    QString m_email;
    QString m_url;
    int m_question = 0;
    QString m_answer;
    QString m_country;
    QString m_city;
    QString m_province;
    QString m_address;
    QString m_details;
    QString m_zipCode;
    QString m_phone;
    QString m_fax;
};

} // namespace Vexal
