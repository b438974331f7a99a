#pragma once

#include "automation/smart/SmartLookup.h"

#include <QList>

namespace Vexal {

// Assigns every control to a container (its FORM, else its table, else the
// smallest block around it that holds several controls), numbers the
// containers as forms and chooses among them.
class SmartFormLookup final : public SmartLookup
{
    Q_OBJECT
public:
    explicit SmartFormLookup(QObject* parent);

    void lookup(const QList<SmartElement*>& controls);

    QList<int> formNumbers() const;
    int formCount() const;
    void removeForm(int number);
    void keepForm(int number);
    int formScore(int number, const QList<int>& types) const;
    int bestForm(const QList<int>& types) const;
    // One password box, at most maxText text boxes, and besides them only
    // buttons that send the form and check boxes.
    bool isLoginForm(int number, int maxText) const;
    int findLoginForm(int maxText) const;

private:
    void assignForms();
    void assignTables();
    void assignBlocks();
    void numberForms();

    int m_counter = 0;
};

} // namespace Vexal
