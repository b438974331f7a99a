#include "automation/smart/SmartLog.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLabel.h"
#include "texts/LocaleSmart.h"

namespace Vexal {

SmartLog* SmartLog::instance()
{
    static SmartLog* log = new SmartLog;
    return log;
}

void SmartLog::newLine()
{
    if (m_enabled)
        m_report += QLatin1Char('\n');
}

void SmartLog::writeLine(const QString& text)
{
    if (!m_enabled)
        return;
    m_report += text;
    m_report += QLatin1Char('\n');
}

void SmartLog::error(const QString& text)
{
    if (m_enabled)
        writeLine(QStringLiteral("Error: %1").arg(text));
}

void SmartLog::writeStatus(const QString& status)
{
    if (m_enabled)
        m_report += status.leftJustified(15, QLatin1Char(' '), true);
}

bool SmartLog::writeHeader(const QString& title, int count)
{
    if (!m_enabled)
        return false;
    newLine();
    writeLine(QStringLiteral("   %1: %2").arg(title, QString::number(count)));
    newLine();
    return true;
}

void SmartLog::writeLabelSection(const QList<SmartLabel*>& list, const QString& title)
{
    if (writeHeader(title, list.size()))
        writeLabels(list);
}

void SmartLog::writeElementSection(const QList<SmartElement*>& list, const QString& title)
{
    if (writeHeader(title, list.size()))
        writeElements(list);
}

void SmartLog::writeKindSection(const QList<SmartElement*>& list, const QString& title)
{
    if (writeHeader(title, list.size()))
        writeKinds(list);
}

void SmartLog::writeFormSection(const QList<SmartElement*>& list, const QString& title)
{
    if (writeHeader(title, list.size()))
        writeForms(list);
}

void SmartLog::writeVisibilitySection(const QList<SmartElement*>& list, const QString& title)
{
    if (writeHeader(title, list.size()))
        writeVisibility(list);
}

void SmartLog::writeLabels(const QList<SmartLabel*>& list)
{
    if (!m_enabled)
        return;
    for (const SmartLabel* label : list)
        writeLine(label->toString());
}

void SmartLog::writeEach(const QList<SmartElement*>& list, QString (*status)(const SmartElement*))
{
    if (!m_enabled)
        return;
    for (const SmartElement* element : list) {
        if (status)
            writeStatus(status(element));
        writeLine(element->toString());
    }
}

void SmartLog::writeElements(const QList<SmartElement*>& list)
{
    writeEach(list, nullptr);
}

void SmartLog::writeKinds(const QList<SmartElement*>& list)
{
    writeEach(list, [](const SmartElement* element) { return LocaleSmart::kindName(element->kind()); });
}

void SmartLog::writeForms(const QList<SmartElement*>& list)
{
    writeEach(list, [](const SmartElement* element) {
        const QString tag = element->formIsNull() ? QString() : element->form().tagName();
        return QStringLiteral("%1:%2").arg(tag, QString::number(element->formNumber()));
    });
}

void SmartLog::writeVisibility(const QList<SmartElement*>& list)
{
    writeEach(list, [](const SmartElement* element) {
        if (!element->isVisible())
            return QStringLiteral("HIDDEN");
        return element->hasIdOrName() ? QStringLiteral("OK") : QStringLiteral("ACCESS");
    });
}

} // namespace Vexal
