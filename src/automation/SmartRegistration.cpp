#include "automation/SmartRegistration.h"

#include "automation/SmartRegistrationAttribute.h"
#include "automation/SmartRegistrationField.h"
#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartRegistration::SmartRegistration(QObject* parent)
    : SmartMaster(parent)
{
}

void SmartRegistration::analyse(QWebView* view)
{
    Pipeline pipeline;
    pipeline.types = {E::TypeCheckBox, E::TypePassword, E::TypeRadio, E::TypeSelect, E::TypeText};
    pipeline.scoreTypes = {E::TypeText, E::TypePassword};
    pipeline.repeatable = {E::KindPassword, E::KindEmail, E::KindSpam, E::KindQuestion, E::KindAnswer, E::KindCountry};
    pipeline.skipSmallChoice = false;
    pipeline.classify = [this](QList<SmartElement*>& list) { classifyWith<SmartRegistrationAttribute, SmartRegistrationField>(list); };
    run(view, pipeline);
}

} // namespace Vexal
