#include "automation/SmartLog.h"

#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"
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

void SmartLog::writeHeader(const QString& title, int count)
{
    newLine();
    writeLine(QStringLiteral("   %1: %2").arg(title, QString::number(count)));
    newLine();
}

void SmartLog::writeLabelSection(const QList<SmartLabel*>& list, const QString& title)
{
    if (!m_enabled)
        return;
    writeHeader(title, list.size());
    writeLabels(list);
}

void SmartLog::writeElementSection(const QList<SmartElement*>& list, const QString& title)
{
    if (!m_enabled)
        return;
    writeHeader(title, list.size());
    writeElements(list);
}

void SmartLog::writeKindSection(const QList<SmartElement*>& list, const QString& title)
{
    if (!m_enabled)
        return;
    writeHeader(title, list.size());
    writeKinds(list);
}

void SmartLog::writeFormSection(const QList<SmartElement*>& list, const QString& title)
{
    if (!m_enabled)
        return;
    writeHeader(title, list.size());
    writeForms(list);
}

void SmartLog::writeVisibilitySection(const QList<SmartElement*>& list, const QString& title)
{
    if (!m_enabled)
        return;
    writeHeader(title, list.size());
    writeVisibility(list);
}

void SmartLog::writeLabels(const QList<SmartLabel*>& list)
{
    if (!m_enabled)
        return;
    for (const SmartLabel* label : list)
        writeLine(label->toString());
}

void SmartLog::writeElements(const QList<SmartElement*>& list)
{
    if (!m_enabled)
        return;
    for (const SmartElement* element : list)
        writeLine(element->toString());
}

void SmartLog::writeKinds(const QList<SmartElement*>& list)
{
    if (!m_enabled)
        return;
    for (const SmartElement* element : list) {
        writeStatus(LocaleSmart::kindName(element->kind()));
        writeLine(element->toString());
    }
}

void SmartLog::writeForms(const QList<SmartElement*>& list)
{
    if (!m_enabled)
        return;
    for (const SmartElement* element : list) {
        const QString tag = element->formIsNull() ? QString() : element->form().tagName();
        writeStatus(QStringLiteral("%1:%2").arg(tag, QString::number(element->formNumber())));
        writeLine(element->toString());
    }
}

void SmartLog::writeVisibility(const QList<SmartElement*>& list)
{
    if (!m_enabled)
        return;
    for (const SmartElement* element : list) {
        if (!element->isVisible())
            writeStatus(QStringLiteral("HIDDEN"));
        else if (element->hasIdOrName())
            writeStatus(QStringLiteral("OK"));
        else
            writeStatus(QStringLiteral("ACCESS"));
        writeLine(element->toString());
    }
}

} // namespace Vexal
