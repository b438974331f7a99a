#include "automation/DelegateRegistrationSubmitter.h"

#include "automation/ConstSelector.h"
#include "automation/DBRegistrationTemplate.h"
#include "automation/DBTemplateList.h"
#include "automation/SmartCountry.h"
#include "automation/SmartElement.h"
#include "automation/SmartRegistration.h"
#include "data/DBMasterAccount.h"
#include "texts/LocaleAccount.h"

#include <QLocale>

namespace Vexal {

QString DelegateRegistrationSubmitter::questionValue(int question)
{
    return QStringLiteral("%1:%2").arg(ConstSelector::xIndex(), QString::number(question));
}

void DelegateRegistrationSubmitter::fillByTemplate(const DBMasterAccount* master,
                                                   const DBRegistrationTemplate* templ)
{
    const QString password = master->decryptedPassword();
    fillFields({
        {templ->firstName(), LocaleAccount::firstName(), master->firstName()},
        {templ->middleName(), LocaleAccount::middleName(), master->middleName()},
        {templ->lastName(), LocaleAccount::lastName(), master->lastName()},
        {templ->fullName(), LocaleAccount::fullName(), master->fullName()},
        {templ->screenName(), LocaleAccount::screenName(), master->screenName()},
        {templ->gender(), LocaleAccount::maleField(), QString::number(master->gender())},
        {templ->login(), LocaleAccount::login(), master->login()},
        {templ->password(), LocaleAccount::password(), password},
        {templ->rPassword(), LocaleAccount::repeatPassword(), password},
        {templ->email(), LocaleAccount::email(), master->email()},
        {templ->rEmail(), LocaleAccount::repeatEmail(), master->email()},
        {templ->url(), LocaleAccount::url(), master->url()},
        {templ->question(), LocaleAccount::question(), questionValue(master->question())},
        {templ->answer(), LocaleAccount::answer(), master->answer()},
        TemplateField(templ->country(), LocaleAccount::country(), master->country())
            .orAs(SmartCountry::namesOf(master->country())),
        {templ->city(), LocaleAccount::city(), master->city()},
        {templ->province(), LocaleAccount::province(), master->province()},
        {templ->address(), LocaleAccount::address(), master->address()},
        {templ->details(), LocaleAccount::details(), master->details()},
        {templ->zipCode(), LocaleAccount::zipCode(), master->zipCode()},
        {templ->phone(), LocaleAccount::phone(), master->phone()},
        {templ->fax(), LocaleAccount::fax(), master->fax()},
        {templ->acceptTerms(), LocaleAccount::acceptTerms(), textTrue()},
        {templ->rejectEmail(), LocaleAccount::rejectEmail(), textFalse()},
    });
}

void DelegateRegistrationSubmitter::fillSmart(const DBMasterAccount* master)
{
    SmartRegistration smart(nullptr);
    if (!recognise(smart))
        return;

    using E = SmartElement;
    const QString password = master->decryptedPassword();
    QList<SmartField> fields{
        {E::KindFirstName, LocaleAccount::firstName(), master->firstName()},
        {E::KindMiddleName, LocaleAccount::middleName(), master->middleName()},
        {E::KindLastName, LocaleAccount::lastName(), master->lastName()},
        {E::KindFullName, LocaleAccount::fullName(), master->fullName()},
        {E::KindScreenName, LocaleAccount::screenName(), master->screenName()},
        {E::KindGenderMale, LocaleAccount::maleField(), master->gender() != 0 ? textTrue() : textFalse()},
    };
    // Year, month and day are recognised only as choice lists, where a plain
    // value selects nothing: they are chosen by option text. A birthday that
    // is no valid date fills none of them.
    const QDate birthday = master->birthday();
    if (birthday.isValid()) {
        const QLocale c = QLocale::c();
        const QStringList year{QString::number(birthday.year())};
        const QStringList month{QString::number(birthday.month()),
                                QStringLiteral("%1").arg(birthday.month(), 2, 10, QLatin1Char('0')),
                                c.monthName(birthday.month(), QLocale::LongFormat),
                                c.monthName(birthday.month(), QLocale::ShortFormat)};
        const QStringList day{QString::number(birthday.day()),
                              QStringLiteral("%1").arg(birthday.day(), 2, 10, QLatin1Char('0'))};
        fields << SmartField{E::KindBirthYear, LocaleAccount::year(), year}
               << SmartField{E::KindBirthMonth, LocaleAccount::month(), month}
               << SmartField{E::KindBirthDay, LocaleAccount::day(), day};
    }
    fields << SmartField{E::KindLogin, LocaleAccount::login(), master->login()}
           << SmartField{E::KindPassword, LocaleAccount::password(), password}
           << SmartField{E::KindEmail, LocaleAccount::email(), master->email()}
           << SmartField{E::KindWebsite, LocaleAccount::url(), master->url()}
           << SmartField{E::KindQuestion, LocaleAccount::question(), questionValue(master->question())}
           << SmartField{E::KindAnswer, LocaleAccount::answer(), master->answer()}
           << SmartField(E::KindCountry, LocaleAccount::country(), master->country())
                  .orAs(SmartCountry::namesOf(master->country()))
           << SmartField{E::KindCity, LocaleAccount::city(), master->city()}
           << SmartField{E::KindState, LocaleAccount::province(), master->province()}
           << SmartField{E::KindAddress, LocaleAccount::address(), master->address()}
           << SmartField{E::KindAddressDetails, LocaleAccount::details(), master->details()}
           << SmartField{E::KindZipCode, LocaleAccount::zipCode(), master->zipCode()}
           << SmartField{E::KindPhone, LocaleAccount::phone(), master->phone()}
           << SmartField{E::KindFax, LocaleAccount::fax(), master->fax()}
           << SmartField{E::KindTerms, LocaleAccount::acceptTerms(), textTrue()}
           << SmartField{E::KindSpam, LocaleAccount::rejectEmail(), textFalse()};
    fillSmartFields(smart.elements(), fields);

    // The other ways a form asks for the gender: the female choice, and a
    // choice list. A form uses one of them, so a missing one is no news.
    const bool male = master->gender() != 0;
    fillKindWhenFound(smart.elements(), E::KindGenderFemale, male ? textFalse() : textTrue());
    selectKindWhenFound(smart.elements(), E::KindGenderCombo,
                        male ? QStringList{QStringLiteral("Male"), QStringLiteral("M"), QStringLiteral("Man")}
                             : QStringList{QStringLiteral("Female"), QStringLiteral("F"), QStringLiteral("Woman")});
}

} // namespace Vexal
