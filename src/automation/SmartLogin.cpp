#include "automation/SmartLogin.h"

#include "automation/SmartElement.h"
#include "automation/SmartFormLookup.h"
#include "automation/SmartLoginField.h"
#include "texts/LocaleSmart.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartLogin::SmartLogin(QObject* parent)
    : SmartMaster(parent)
{
}

void SmartLogin::analyse(QWebView* view)
{
    Pipeline pipeline;
    pipeline.types = {E::TypePassword, E::TypeSubmit, E::TypeText};
    pipeline.unnamed = true;
    pipeline.classify = [](QList<SmartElement*>& list) {
        SmartLoginField fields(nullptr);
        fields.classifyLogin(list);
    };
    run(view, pipeline);
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
        QWebElement element = control->element();
        QString value;
        if (control->kind() == E::KindLogin)
            value = QStringLiteral("kerwitaplo441");
        else if (control->kind() == E::KindPassword)
            value = QStringLiteral("Qm7rXwpK");
        else
            continue;
        element.setAttribute(QStringLiteral("value"), value);
        element.evaluateJavaScript(QStringLiteral("this.value = this.getAttribute('value');"));
    }
}

} // namespace Vexal
