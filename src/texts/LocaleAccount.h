#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_ACCOUNT_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(login, "Login") \
    TEXT_ARG(questionNo, number, "Question No %1") \
    TEXT(loginWithEmail, "Login with Email") \
    TEXT(rejectEmail, "Reject Email") \
    TEXT(acceptTerms, "Accept Terms") \
    TEXT(fax, "Fax") \
    TEXT(phone, "Phone") \
    TEXT(zipCode, "Zip Code") \
    TEXT(details, "Details") \
    TEXT(address, "Address") \
    TEXT(province, "Province") \
    TEXT(city, "City") \
    TEXT(country, "Country") \
    TEXT(answer, "Answer") \
    TEXT(question, "Question") \
    TEXT(repeatEmail, "Repeat Email") \
    TEXT(website, "Website") \
    TEXT(email, "Email") \
    TEXT(day, "Day") \
    TEXT(month, "Month") \
    TEXT(year, "Year") \
    TEXT(birthday, "Birthday") \
    TEXT(male, "Male") \
    TEXT(maleField, "Male") \
    TEXT(fullName, "Full Name") \
    TEXT(lastName, "Last Name") \
    TEXT(middleName, "Middle Name") \
    TEXT(screenName, "Screen Name") \
    TEXT(firstName, "First Name") \
    TEXT(createAccount, "Create Account") \
    TEXT(accountTab, "Account") \
    TEXT(general, "General") \
    TEXT(repeatPassword, "Repeat Password") \
    TEXT(password, "Password") \
    FORWARD(select, LocaleBase, select) \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
    FORWARD(url, LocaleBase, url) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(masterAccounts, LocaleInstance, masterAccounts) \
    FORWARD(masterAccount, LocaleInstance, masterAccount) \
    FORWARD(accounts, LocaleInstance, accounts) \
    FORWARD(account, LocaleInstance, account) \
    FORWARD(selectProperWebsite, LocaleMessage, selectProperWebsite) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD(masterAccountTable, DBSql, tableMasterAccount) \
    FORWARD(masterAccountView, DBSql, tableMasterAccountView) \
    FORWARD(accountTable, DBSql, tableAccount) \
    FORWARD(accountView, DBSql, tableAccountView)

namespace Vexal {

// Account and master-account screens, registration template and fills.
namespace LocaleAccount {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_ACCOUNT_TABLE)

// The security question of a master account's question number, for a form
// that asks the user to write the question; empty for a number the list
// does not hold. A form that lists its own questions takes the number as
// the place of one in its list.
QString securityQuestion(int number);

} // namespace LocaleAccount

} // namespace Vexal
