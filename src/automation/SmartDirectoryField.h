#pragma once

#include "automation/SmartFieldLookup.h"

namespace Vexal {

// Field lookup of directory forms.
class SmartDirectoryField final : public SmartFieldLookup
{
    Q_OBJECT
public:
    explicit SmartDirectoryField(QObject* parent);

    int ownerKind(const QString& text) override;
    int websiteKind(const QString& text, int type);
    int linkKindAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    void classifyLinkRadios(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    int classify(SmartElement* control, const QString& text) override;
    void classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels);
};

} // namespace Vexal
