#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace Vexal {

class SmartElement;
class SmartLabel;
class SmartLog;

// Base of every recognition lookup: four lists that point to controls and
// label entries owned elsewhere (emptying a list never deletes them).
class SmartLookup : public QObject
{
    Q_OBJECT
public:
    explicit SmartLookup(QObject* parent);

    QList<SmartElement*>& elements() { return m_elements; }
    const QList<SmartElement*>& elements() const { return m_elements; }
    QList<SmartElement*>& visibleElements() { return m_visible; }
    QList<SmartElement*>& filteredElements() { return m_filtered; }
    QList<SmartLabel*>& labels() { return m_labels; }

    void clear();
    void addElements(const QList<SmartElement*>& list);
    // Kinds of a login form's controls by their HTML types: text boxes are
    // the login, the password box the password, the submit button (else a
    // picture button) the Submit, the rest left alone.
    void classifyLogin(const QList<SmartElement*>& list);

    // A section of the report under the title, while the report is on.
    void log(const QString& title);

protected:
    // The lists this lookup reports under its title.
    virtual void writeLog(SmartLog* report);

    QList<SmartElement*> m_elements;
    QList<SmartElement*> m_visible;
    QList<SmartElement*> m_filtered;
    QList<SmartLabel*> m_labels;
};

} // namespace Vexal
