#include "automation/smart/SmartLookup.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLog.h"

namespace Vexal {

SmartLookup::SmartLookup(QObject* parent)
    : QObject(parent)
{
}

void SmartLookup::clear()
{
    m_elements.clear();
    m_visible.clear();
    m_filtered.clear();
    m_labels.clear();
}

void SmartLookup::addElements(const QList<SmartElement*>& list)
{
    m_elements.append(list);
}

void SmartLookup::classifyLogin(const QList<SmartElement*>& list)
{
    clear();
    m_elements = list;
    // A picture button is the form's button where it has no submit button.
    bool submit = false;
    for (const SmartElement* element : m_elements)
        submit = submit || element->type() == SmartElement::TypeSubmit;
    for (SmartElement* element : m_elements) {
        switch (element->type()) {
        case SmartElement::TypeText:
            element->setKind(SmartElement::KindLogin);
            break;
        case SmartElement::TypePassword:
            element->setKind(SmartElement::KindPassword);
            break;
        case SmartElement::TypeSubmit:
            element->setKind(SmartElement::KindSubmit);
            break;
        case SmartElement::TypeImage:
            element->setKind(submit ? SmartElement::KindTrash : SmartElement::KindSubmit);
            break;
        default:
            element->setKind(SmartElement::KindTrash);
            break;
        }
    }
}

void SmartLookup::log(const QString& title)
{
    SmartLog* report = SmartLog::instance();
    if (!report->isEnabled())
        return;
    report->newLine();
    report->writeLine(title);
    writeLog(report);
}

void SmartLookup::writeLog(SmartLog* report)
{
    report->writeFormSection(m_elements, QStringLiteral("Elements"));
}

} // namespace Vexal
