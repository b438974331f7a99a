#include "automation/smart/SmartLogin.h"

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
    pipeline.types = {E::TypePassword, E::TypeSubmit, E::TypeText};
    pipeline.unnamed = true;
    pipeline.classify = [this](QList<SmartElement*>& list) {
        SmartLoginField fields(nullptr);
        fields.classifyLogin(list);
        SmartLabelLookup labels(nullptr);
        collectLabels(list, labels);
        SmartFieldBoxes(fields).markLocalParts(list, labels.labels());
        fields.markCaptcha(list, labels.labels());
        if (!SmartElement::containsKind(list, E::KindCaptcha))
            addCaptchaWidget(list);
    };
    return pipeline;
}

// A picture test drawn by a script (a widget in a frame of its own, with
// its answer in a hidden field) has no text field to recognise: the form is
// then known to ask for one by the names the widget gives its parts.
void SmartLogin::addCaptchaWidget(QList<SmartElement*>& list)
{
    if (list.isEmpty() || list.first()->formIsNull())
        return;
    const PageElement& form = list.first()->form();
    PageDom* dom = form.dom();
    for (const PageElement& element : dom->select(form, QStringLiteral("iframe, textarea, input, div, img"))) {
        QString names = element.attribute(QStringLiteral("id")) + QLatin1Char(' ')
            + element.attribute(QStringLiteral("name")) + QLatin1Char(' ')
            + element.attribute(QStringLiteral("class"));
        if (SmartUtils::equalsNoCase(element.tagName(), QStringLiteral("IFRAME"))
            || SmartUtils::equalsNoCase(element.tagName(), QStringLiteral("IMG")))
            names += QLatin1Char(' ') + element.attribute(QStringLiteral("src"));
        // A test that is not shown (a row kept for later attempts, a token
        // filled by a script) asks nothing of the user now.
        if (!names.contains(QLatin1String("captcha"), Qt::CaseInsensitive) || dom->geometry(element).isEmpty())
            continue;
        auto* widget = new SmartElement(this);
        widget->setElement(element);
        widget->setForm(list.first()->form());
        widget->setFormNumber(list.first()->formNumber());
        widget->setKind(E::KindCaptcha);
        list.append(widget);
        return;
    }
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
