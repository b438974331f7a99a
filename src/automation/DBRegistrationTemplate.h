#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "RegistrationTemplate": the selector of every field of one
// website's registration form.
class DBRegistrationTemplate : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;

    explicit DBRegistrationTemplate(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* source) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
    QStringList columns() const override;

    int websiteId() const { return m_websiteId; }
    QString firstName() const { return m_firstName; }
    QString middleName() const { return m_middleName; }
    QString lastName() const { return m_lastName; }
    QString fullName() const { return m_fullName; }
    QString screenName() const { return m_screenName; }
    QString gender() const { return m_gender; }
    QString login() const { return m_login; }
    QString password() const { return m_password; }
    QString rPassword() const { return m_rPassword; }
    QString email() const { return m_email; }
    QString rEmail() const { return m_rEmail; }
    QString url() const { return m_url; }
    QString question() const { return m_question; }
    QString answer() const { return m_answer; }
    QString country() const { return m_country; }
    QString city() const { return m_city; }
    QString province() const { return m_province; }
    QString address() const { return m_address; }
    QString details() const { return m_details; }
    QString zipCode() const { return m_zipCode; }
    QString phone() const { return m_phone; }
    QString fax() const { return m_fax; }
    QString acceptTerms() const { return m_acceptTerms; }
    QString rejectEmail() const { return m_rejectEmail; }

    void setWebsiteId(int websiteId);
    void setFirstName(const QString& firstName);
    void setMiddleName(const QString& middleName);
    void setLastName(const QString& lastName);
    void setFullName(const QString& fullName);
    void setScreenName(const QString& screenName);
    void setGender(const QString& gender);
    void setLogin(const QString& login);
    void setPassword(const QString& password);
    void setRPassword(const QString& rPassword);
    void setEmail(const QString& email);
    void setREmail(const QString& rEmail);
    void setUrl(const QString& url);
    void setQuestion(const QString& question);
    void setAnswer(const QString& answer);
    void setCountry(const QString& country);
    void setCity(const QString& city);
    void setProvince(const QString& province);
    void setAddress(const QString& address);
    void setDetails(const QString& details);
    void setZipCode(const QString& zipCode);
    void setPhone(const QString& phone);
    void setFax(const QString& fax);
    void setAcceptTerms(const QString& acceptTerms);
    void setRejectEmail(const QString& rejectEmail);

private:
    int m_websiteId = -1;
    QString m_firstName;
    QString m_middleName;
    QString m_lastName;
    QString m_fullName;
    QString m_screenName;
    QString m_gender;
    QString m_login;
    QString m_password;
    QString m_rPassword;
    QString m_email;
    QString m_rEmail;
    QString m_url;
    QString m_question;
    QString m_answer;
    QString m_country;
    QString m_city;
    QString m_province;
    QString m_address;
    QString m_details;
    QString m_zipCode;
    QString m_phone;
    QString m_fax;
    QString m_acceptTerms;
    QString m_rejectEmail;
};

} // namespace Vexal
