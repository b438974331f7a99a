#include "automation/submit/DelegateRegistrationSubmitter.h"

#include "automation/submit/MasterAccountFields.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartRegistration.h"
#include "data/DBMasterAccount.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleMessage.h"

#include <algorithm>

namespace Vexal {

void DelegateRegistrationSubmitter::fillByTemplate(const DBMasterAccount* master,
                                                   const DBRegistrationTemplate* templ)
{
    QList<TemplateField> fields;
    for (const MasterAccountField& field : MasterAccountFields::all()) {
        if (!field.selector)
            continue;
        TemplateField templateField((templ->*field.selector)(), field.caption(), field.value(*master));
        if (field.offered)
            templateField.orAs(field.offered(*master));
        templateField.digits = field.has(MasterAccountField::Digits);
        fields << templateField.as(field.kind);
    }
    fillFields(templ, fields);
}

void DelegateRegistrationSubmitter::fillSmart(const DBMasterAccount* master)
{
    SmartRegistration* smart = recognise<SmartRegistration>();
    if (!smart)
        return;

    QList<SmartField> fields;
    for (const MasterAccountField& field : MasterAccountFields::all()) {
        if (field.kind == SmartElement::KindUndef)
            continue;
        const QStringList offered = field.offered ? field.offered(*master) : QStringList();
        SmartField smartField = field.value ? SmartField(field.kind, field.caption(), field.value(*master))
                                            : SmartField(field.kind, field.caption(), offered);
        if (field.value)
            smartField.orAs(offered);
        // A field only chosen among options, with nothing to choose, chooses
        // nothing and asks for no control.
        smartField.quiet = field.has(MasterAccountField::Quiet) || (!field.value && offered.isEmpty());
        smartField.digits = field.has(MasterAccountField::Digits);
        fields << smartField;
    }
    // A box that asks a question of its own takes the answer where its
    // question is the master account's, as the editor shows its text.
    const QList<SmartElement*>& found = smart->elements();
    const QString question = LocaleAccount::securityQuestion(master->question());
    for (SmartElement* box : found) {
        if (box->asksUser() && box->kind() == SmartElement::KindAnswer && box->asks(question))
            box->setAsksUser(false);
    }
    // A multi-line box that asks for the address takes the street and, on
    // the line below, the details, where the form has no box of their own;
    // a box of one line the street alone.
    const QList<SmartElement*> streets = SmartElement::elementsOfKind(found, SmartElement::KindAddress);
    const bool multiLine = !streets.isEmpty() && !SmartElement::containsKind(found, SmartElement::KindAddressDetails)
        && std::all_of(streets.begin(), streets.end(), [](const SmartElement* box) { return box->takesLines(); });
    if (multiLine && !master->details().isEmpty()) {
        for (SmartField& field : fields) {
            if (field.where == SmartElement::KindAddress)
                field.value = QStringList{field.value, master->details()}.join(QLatin1Char('\n')).trimmed();
        }
    }
    fillSmartFields(found, fields);
}

QString DelegateRegistrationSubmitter::filledNotice() const
{
    return LocaleMessage::registrationFilled();
}

} // namespace Vexal
