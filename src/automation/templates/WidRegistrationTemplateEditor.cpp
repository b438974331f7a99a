#include "automation/templates/WidRegistrationTemplateEditor.h"

#include "automation/templates/DBRegistrationTemplate.h"
#include "automation/templates/LocaleTemplate.h"
#include "texts/LocaleAccount.h"

namespace Vexal {

WidRegistrationTemplateEditor::WidRegistrationTemplateEditor(QWidget* parent)
    : BaseTemplateEditor(parent, kind<DBRegistrationTemplate>(LocaleTemplate::registrationTemplate))
{
}

void WidRegistrationTemplateEditor::createWidgets()
{
    using R = DBRegistrationTemplate;
    namespace L = LocaleAccount;
    bindRecordClass<R>();

    QGridLayout* general = addPage(L::general());
    addCommonRows(general);
    addSelectorRow(general, L::firstName(), &R::firstName, &R::setFirstName);
    addSelectorRow(general, L::middleName(), &R::middleName, &R::setMiddleName);
    addSelectorRow(general, L::lastName(), &R::lastName, &R::setLastName);
    addSelectorRow(general, L::fullName(), &R::fullName, &R::setFullName);
    addSelectorRow(general, L::screenName(), &R::screenName, &R::setScreenName);
    addSelectorRow(general, L::male(), &R::gender, &R::setGender);
    addCommentsRow(general);
    finishPage(general);

    QGridLayout* account = addPage(L::accountTab());
    addSelectorRow(account, L::login(), &R::login, &R::setLogin);
    addSelectorRow(account, L::password(), &R::password, &R::setPassword);
    addSelectorRow(account, L::repeatPassword(), &R::rPassword, &R::setRPassword);
    addSelectorRow(account, L::email(), &R::email, &R::setEmail);
    addSelectorRow(account, L::repeatEmail(), &R::rEmail, &R::setREmail);
    addSelectorRow(account, L::website(), &R::url, &R::setUrl);
    addSelectorRow(account, L::question(), &R::question, &R::setQuestion);
    addSelectorRow(account, L::answer(), &R::answer, &R::setAnswer);
    addSelectorRow(account, L::acceptTerms(), &R::acceptTerms, &R::setAcceptTerms);
    addSelectorRow(account, L::rejectEmail(), &R::rejectEmail, &R::setRejectEmail);
    finishPage(account);

    QGridLayout* address = addPage(L::address());
    addSelectorRow(address, L::country(), &R::country, &R::setCountry);
    addSelectorRow(address, L::city(), &R::city, &R::setCity);
    addSelectorRow(address, L::province(), &R::province, &R::setProvince);
    addSelectorRow(address, L::address(), &R::address, &R::setAddress);
    addSelectorRow(address, L::details(), &R::details, &R::setDetails);
    addSelectorRow(address, L::zipCode(), &R::zipCode, &R::setZipCode);
    addSelectorRow(address, L::phone(), &R::phone, &R::setPhone);
    addSelectorRow(address, L::fax(), &R::fax, &R::setFax);
    finishPage(address);
}

} // namespace Vexal
