#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace Vexal {

class SmartElement;
class SmartLabel;

// The plain-text diagnostic report of smart recognition. One process-wide
// object, off unless switched on; while off every write is ignored. The
// report only grows.
class SmartLog final : public QObject
{
    Q_OBJECT
public:
    static SmartLog* instance();

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    QString text() const { return m_report; }

    void newLine();
    void writeLine(const QString& text);
    void error(const QString& text);
    void writeStatus(const QString& status);

    void writeLabelSection(const QList<SmartLabel*>& list, const QString& title);
    void writeElementSection(const QList<SmartElement*>& list, const QString& title);
    void writeKindSection(const QList<SmartElement*>& list, const QString& title);
    void writeFormSection(const QList<SmartElement*>& list, const QString& title);
    void writeVisibilitySection(const QList<SmartElement*>& list, const QString& title);

    void writeLabels(const QList<SmartLabel*>& list);
    void writeElements(const QList<SmartElement*>& list);
    void writeKinds(const QList<SmartElement*>& list);
    void writeForms(const QList<SmartElement*>& list);
    void writeVisibility(const QList<SmartElement*>& list);

private:
    SmartLog() = default;
    // The title line of a section; false while the report is off.
    bool writeHeader(const QString& title, int count);
    // Each control's line, after the status column when there is one.
    void writeEach(const QList<SmartElement*>& list, QString (*status)(const SmartElement*));

    QString m_report;
    bool m_enabled = false;
};

} // namespace Vexal
