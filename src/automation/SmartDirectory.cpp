#include "automation/SmartDirectory.h"

#include "automation/SmartDirectoryAttribute.h"
#include "automation/SmartDirectoryField.h"
#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartDirectory::SmartDirectory(QObject* parent)
    : SmartMaster(parent)
{
}

void SmartDirectory::analyse(QWebView* view)
{
    Pipeline pipeline;
    pipeline.types = {E::TypeCheckBox, E::TypePassword, E::TypeRadio, E::TypeSelect, E::TypeText, E::TypeTextArea};
    pipeline.scoreTypes = {E::TypeText, E::TypePassword, E::TypeTextArea};
    pipeline.repeatable = {E::KindPassword, E::KindEmail, E::KindSpam, E::KindDescription};
    pipeline.skipSmallChoice = false;
    pipeline.classify = [this](QList<SmartElement*>& list) { classifyWith<SmartDirectoryAttribute, SmartDirectoryField>(list); };
    run(view, pipeline);
}

} // namespace Vexal
