#include "automation/submit/MasterAccountFields.h"

#include "automation/selector/ConstSelector.h"
#include "automation/templates/DBRegistrationTemplate.h"
#include "automation/smart/SmartCountry.h"
#include "automation/smart/SmartElement.h"
#include "data/DBMasterAccount.h"
#include "texts/LocaleAccount.h"

#include <QLocale>

namespace Vexal {

namespace {

template <QString (DBMasterAccount::*getter)() const>
QString read(const DBMasterAccount& account)
{
    return (account.*getter)();
}

bool isMale(const DBMasterAccount& account)
{
    return account.gender() != 0;
}

QString genderCode(const DBMasterAccount& account)
{
    return QString::number(account.gender());
}

QString maleChecked(const DBMasterAccount& account)
{
    return isMale(account) ? ConstSelector::valueTrue() : ConstSelector::valueFalse();
}

QString femaleChecked(const DBMasterAccount& account)
{
    return isMale(account) ? ConstSelector::valueFalse() : ConstSelector::valueTrue();
}

QStringList genderTexts(const DBMasterAccount& account)
{
    return isMale(account) ? QStringList{QStringLiteral("Male"), QStringLiteral("M"), QStringLiteral("Man")}
                           : QStringList{QStringLiteral("Female"), QStringLiteral("F"), QStringLiteral("Woman")};
}

// Year, month and day are asked for in choice lists, chosen by the option's
// text or value. A birthday that is no valid date chooses none of them.
QStringList yearTexts(const DBMasterAccount& account)
{
    const QDate birthday = account.birthday();
    return birthday.isValid() ? QStringList{QString::number(birthday.year())} : QStringList();
}

QStringList twoWays(int number)
{
    return {QString::number(number), QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'))};
}

QStringList monthTexts(const DBMasterAccount& account)
{
    const QDate birthday = account.birthday();
    if (!birthday.isValid())
        return QStringList();
    const QLocale c = QLocale::c();
    return twoWays(birthday.month()) << c.monthName(birthday.month(), QLocale::LongFormat)
                                     << c.monthName(birthday.month(), QLocale::ShortFormat);
}

QStringList dayTexts(const DBMasterAccount& account)
{
    const QDate birthday = account.birthday();
    return birthday.isValid() ? twoWays(birthday.day()) : QStringList();
}

// "XINDEX:<n>": a choice list takes the option at index n; a box to write
// the question into takes the text of the account's question.
QString question(const DBMasterAccount& account)
{
    return QStringLiteral("%1:%2").arg(ConstSelector::xIndex(), QString::number(account.question()));
}

QStringList questionText(const DBMasterAccount& account)
{
    const QString text = LocaleAccount::securityQuestion(account.question());
    return text.isEmpty() ? QStringList() : QStringList{text};
}

QStringList countryNames(const DBMasterAccount& account)
{
    return SmartCountry::namesOf(account.country());
}

QString checked(const DBMasterAccount&)
{
    return ConstSelector::valueTrue();
}

QString unchecked(const DBMasterAccount&)
{
    return ConstSelector::valueFalse();
}

} // namespace

const std::vector<MasterAccountField>& MasterAccountFields::all()
{
    using A = DBMasterAccount;
    using T = DBRegistrationTemplate;
    using E = SmartElement;
    using F = MasterAccountField;
    namespace L = LocaleAccount;
    static const std::vector<MasterAccountField> fields{
        {&L::firstName, &read<&A::firstName>, &T::firstName, E::KindFirstName, nullptr, F::Listed},
        {&L::middleName, &read<&A::middleName>, &T::middleName, E::KindMiddleName, nullptr, F::Listed},
        {&L::lastName, &read<&A::lastName>, &T::lastName, E::KindLastName, nullptr, F::Listed},
        {&L::fullName, &read<&A::fullName>, &T::fullName, E::KindFullName, nullptr, F::Listed},
        {&L::screenName, &read<&A::screenName>, &T::screenName, E::KindScreenName, nullptr, 0},
        // The template writes the gender code; recognition ticks the male
        // control.
        {&L::maleField, &genderCode, &T::gender, E::KindUndef, nullptr, 0},
        {&L::maleField, &maleChecked, nullptr, E::KindGenderMale, nullptr, 0},
        {&L::year, nullptr, nullptr, E::KindBirthYear, &yearTexts, 0},
        {&L::month, nullptr, nullptr, E::KindBirthMonth, &monthTexts, 0},
        {&L::day, nullptr, nullptr, E::KindBirthDay, &dayTexts, 0},
        {&L::login, &read<&A::login>, &T::login, E::KindLogin, nullptr, F::Listed},
        {&L::password, &read<&A::decryptedPassword>, &T::password, E::KindPassword, nullptr, F::Listed},
        // Recognition fills every password and e-mail control, the repeated
        // ones too.
        {&L::repeatPassword, &read<&A::decryptedPassword>, &T::rPassword, E::KindUndef, nullptr, 0},
        {&L::email, &read<&A::email>, &T::email, E::KindEmail, nullptr, F::Listed},
        {&L::repeatEmail, &read<&A::email>, &T::rEmail, E::KindUndef, nullptr, 0},
        {&L::url, &read<&A::url>, &T::url, E::KindWebsite, nullptr, F::Listed},
        {&L::question, &question, &T::question, E::KindQuestion, &questionText, 0},
        {&L::answer, &read<&A::answer>, &T::answer, E::KindAnswer, nullptr, F::Listed},
        {&L::country, &read<&A::country>, &T::country, E::KindCountry, &countryNames, F::Listed},
        {&L::city, &read<&A::city>, &T::city, E::KindCity, nullptr, F::Listed},
        {&L::province, &read<&A::province>, &T::province, E::KindState, nullptr, F::Listed},
        {&L::address, &read<&A::address>, &T::address, E::KindAddress, nullptr, F::Listed},
        {&L::details, &read<&A::details>, &T::details, E::KindAddressDetails, nullptr, F::Listed},
        {&L::zipCode, &read<&A::zipCode>, &T::zipCode, E::KindZipCode, nullptr, F::Listed},
        {&L::phone, &read<&A::phone>, &T::phone, E::KindPhone, nullptr, F::Listed | F::Digits},
        {&L::fax, &read<&A::fax>, &T::fax, E::KindFax, nullptr, F::Listed | F::Digits},
        {&L::acceptTerms, &checked, &T::acceptTerms, E::KindTerms, nullptr, 0},
        {&L::rejectEmail, &unchecked, &T::rejectEmail, E::KindSpam, nullptr, 0},
        // The other ways a form asks for the gender: the female choice, and a
        // choice list.
        {&L::maleField, &femaleChecked, nullptr, E::KindGenderFemale, nullptr, F::Quiet},
        {&L::maleField, nullptr, nullptr, E::KindGenderCombo, &genderTexts, F::Quiet},
    };
    return fields;
}

QStringList MasterAccountFields::listedCaptions()
{
    QStringList captions;
    for (const MasterAccountField& field : all()) {
        if (field.has(MasterAccountField::Listed))
            captions << field.caption();
    }
    return captions;
}

QStringList MasterAccountFields::listedValues(const DBMasterAccount& account)
{
    QStringList values;
    for (const MasterAccountField& field : all()) {
        if (field.has(MasterAccountField::Listed))
            values << field.value(account);
    }
    return values;
}

} // namespace Vexal
