#include "automation/smart/SmartLogin.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldBoxes.h"
#include "automation/smart/SmartFormLookup.h"
#include "automation/smart/SmartLabelLookup.h"
#include "automation/smart/SmartLoginField.h"
#include "automation/smart/SmartUtils.h"
#include "texts/LocaleSmart.h"

namespace Vexal {

using E = SmartElement;

SmartLogin::SmartLogin(QObject* parent)
    : SmartMaster(parent)
{
}

void SmartLogin::analyse(const PageDomHandle& page)
{
    run(page, pipeline());
}

void SmartLogin::analyse(PageDom& page)
{
    run(page, pipeline());
}

SmartMaster::Pipeline SmartLogin::pipeline()
{
    Pipeline pipeline;
    // A picture button sends a login form as a submit button does.
    pipeline.types = {E::TypePassword, E::TypeSubmit, E::TypeImage, E::TypeText};
    pipeline.unnamed = true;
    pipeline.classify = [this](QList<SmartElement*>& list) {
        SmartLoginField fields(nullptr);
        fields.classifyLogin(list);
        SmartLabelLookup labels(nullptr);
        collectLabels(list, labels);
        SmartFieldBoxes(fields).markLocalParts(list, labels.labels());
        fields.markCaptcha(list, labels.labels());
        if (!SmartElement::containsKind(list, E::KindCaptcha))
            addCaptchaWidget(list, fields);
    };
    return pipeline;
}

// A picture test is a box a user types into beside a picture of the test,
// or a test's frame drawn by a script (its answer then goes into a hidden
// field), shown on the form: with no box recognised for it, the form is known
// to ask for one by the names the test gives its picture or frame, or their
// holder. A slot kept empty for later attempts, one clipped to nothing, or a
// message about a wrong code asks nothing of the user now.
void SmartLogin::addCaptchaWidget(QList<SmartElement*>& list, SmartFieldLookup& fields)
{
    if (list.isEmpty() || list.first()->formIsNull())
        return;
    const auto namesTest = [&fields](const PageElement& element) {
        if (SmartUtils::isHoneypot(element))
            return false;
        QStringList names;
        for (const char* attribute : {"id", "name", "class", "src", "title", "alt"})
            names << element.attribute(QLatin1String(attribute));
        const PageElement holder = element.parent();
        names << holder.attribute(ConstSmart::attrId()) << holder.attribute(QStringLiteral("class"));
        return fields.isCaptcha(names.join(QLatin1Char(' ')), E::TypeText);
    };
    const PageElement& form = list.first()->form();
    PageElement test;
    for (const PageElement& frame : form.dom()->select(form, ConstSmart::tagIFrame())) {
        if (namesTest(frame)) {
            test = frame;
            break;
        }
    }
    for (int i = 0; test.isNull() && i < list.size(); ++i) {
        if (list.at(i)->type() != E::TypeText)
            continue;
        const PageElement picture = SmartUtils::pictureBeside(list.at(i)->element());
        if (!picture.isNull() && namesTest(picture))
            test = picture;
    }
    if (test.isNull())
        return;
    auto* widget = new SmartElement(this);
    widget->setElement(test);
    widget->setForm(form);
    widget->setFormNumber(list.first()->formNumber());
    widget->setKind(E::KindCaptcha);
    list.append(widget);
}

bool SmartLogin::selectForm(SmartFormLookup* forms, const QList<int>&)
{
    if (!forms)
        return false;
    if (!removeUnplaced(forms, LocaleSmart::emptySelectedForm()))
        return false;
    for (int maxText = 1; maxText <= 2; ++maxText) {
        const int number = forms->findLoginForm(maxText);
        if (number >= 0) {
            forms->keepForm(number);
            return true;
        }
    }
    setError(LocaleSmart::emptyLoginForm(), LocaleSmart::cannotRecognize());
    return false;
}

void SmartLogin::fillDemo(QList<SmartElement*>& list)
{
    for (SmartElement* control : list) {
        const PageElement& element = control->element();
        QString value;
        if (control->kind() == E::KindLogin)
            value = QStringLiteral("kerwitaplo441");
        else if (control->kind() == E::KindPassword)
            value = QStringLiteral("Qm7rXwpK");
        else
            continue;
        if (!element.isNull())
            element.dom()->setValue(element, value);
    }
}

} // namespace Vexal
