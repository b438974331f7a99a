#pragma once

#include "automation/smart/SmartTextLookup.h"

namespace Vexal {

class SmartElement;

// Base of the attribute lookups: gives kinds from a control's id and name.
class SmartAttributeLookup : public SmartTextLookup
{
    Q_OBJECT
public:
    explicit SmartAttributeLookup(QObject* parent, SmartForm form = SmartFormNone);

    int genderKind(const QString& text, const QString& second, int type) override;

    // The kind of one control from its id and name; the form kinds decide.
    virtual int classifyElement(SmartElement* control);
    // Takes the controls and sets the kind of each.
    void classifyElements(QList<SmartElement*>& controls);

protected:
    void writeLog(SmartLog* report) override;

    // Description fields; one that mentions a limit is not to be filled.
    int descriptionKind(const QString& text, int type);
};

} // namespace Vexal
