#pragma once

#include "automation/templates/DBTemplateBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "RegistrationTemplate": the selector of every field of one
// website's registration form.
class DBRegistrationTemplate final : public DBKind<DBRegistrationTemplate, &DBSql::tableRegistrationTemplate,
                                                   &LocaleSql::tableRegistrationTemplates, DBTemplateBase>
{
    Q_OBJECT
public:
    explicit DBRegistrationTemplate(QObject* parent = nullptr);

    QString firstName() const { return selector(FieldFirstName); }
    QString middleName() const { return selector(FieldMiddleName); }
    QString lastName() const { return selector(FieldLastName); }
    QString fullName() const { return selector(FieldFullName); }
    QString screenName() const { return selector(FieldScreenName); }
    QString gender() const { return selector(FieldGender); }
    QString login() const { return selector(FieldLogin); }
    QString password() const { return selector(FieldPassword); }
    QString rPassword() const { return selector(FieldRPassword); }
    QString email() const { return selector(FieldEmail); }
    QString rEmail() const { return selector(FieldREmail); }
    QString url() const { return selector(FieldUrl); }
    QString question() const { return selector(FieldQuestion); }
    QString answer() const { return selector(FieldAnswer); }
    QString country() const { return selector(FieldCountry); }
    QString city() const { return selector(FieldCity); }
    QString province() const { return selector(FieldProvince); }
    QString address() const { return selector(FieldAddress); }
    QString details() const { return selector(FieldDetails); }
    QString zipCode() const { return selector(FieldZipCode); }
    QString phone() const { return selector(FieldPhone); }
    QString fax() const { return selector(FieldFax); }
    QString acceptTerms() const { return selector(FieldAcceptTerms); }
    QString rejectEmail() const { return selector(FieldRejectEmail); }

    void setFirstName(const QString& firstName) { setSelector(FieldFirstName, firstName); }
    void setMiddleName(const QString& middleName) { setSelector(FieldMiddleName, middleName); }
    void setLastName(const QString& lastName) { setSelector(FieldLastName, lastName); }
    void setFullName(const QString& fullName) { setSelector(FieldFullName, fullName); }
    void setScreenName(const QString& screenName) { setSelector(FieldScreenName, screenName); }
    void setGender(const QString& gender) { setSelector(FieldGender, gender); }
    void setLogin(const QString& login) { setSelector(FieldLogin, login); }
    void setPassword(const QString& password) { setSelector(FieldPassword, password); }
    void setRPassword(const QString& rPassword) { setSelector(FieldRPassword, rPassword); }
    void setEmail(const QString& email) { setSelector(FieldEmail, email); }
    void setREmail(const QString& rEmail) { setSelector(FieldREmail, rEmail); }
    void setUrl(const QString& url) { setSelector(FieldUrl, url); }
    void setQuestion(const QString& question) { setSelector(FieldQuestion, question); }
    void setAnswer(const QString& answer) { setSelector(FieldAnswer, answer); }
    void setCountry(const QString& country) { setSelector(FieldCountry, country); }
    void setCity(const QString& city) { setSelector(FieldCity, city); }
    void setProvince(const QString& province) { setSelector(FieldProvince, province); }
    void setAddress(const QString& address) { setSelector(FieldAddress, address); }
    void setDetails(const QString& details) { setSelector(FieldDetails, details); }
    void setZipCode(const QString& zipCode) { setSelector(FieldZipCode, zipCode); }
    void setPhone(const QString& phone) { setSelector(FieldPhone, phone); }
    void setFax(const QString& fax) { setSelector(FieldFax, fax); }
    void setAcceptTerms(const QString& acceptTerms) { setSelector(FieldAcceptTerms, acceptTerms); }
    void setRejectEmail(const QString& rejectEmail) { setSelector(FieldRejectEmail, rejectEmail); }

private:
    enum Field {
        FieldFirstName,
        FieldMiddleName,
        FieldLastName,
        FieldFullName,
        FieldScreenName,
        FieldGender,
        FieldLogin,
        FieldPassword,
        FieldRPassword,
        FieldEmail,
        FieldREmail,
        FieldUrl,
        FieldQuestion,
        FieldAnswer,
        FieldCountry,
        FieldCity,
        FieldProvince,
        FieldAddress,
        FieldDetails,
        FieldZipCode,
        FieldPhone,
        FieldFax,
        FieldAcceptTerms,
        FieldRejectEmail,
    };
};

} // namespace Vexal
