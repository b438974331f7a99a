#pragma once

#include "automation/smart/SmartFieldLookup.h"

namespace Vexal {

// Field lookup of login forms: kinds by HTML type, then the CAPTCHA, so that
// a form that asks for the code of a picture is never sent without it.
class SmartLoginField final : public SmartFieldLookup
{
    Q_OBJECT
public:
    explicit SmartLoginField(QObject* parent);

    int classify(SmartElement* control, const QString& text) override;

    // A text field whose id, name, class or label asks for the code of a picture
    // becomes a Captcha.
    void markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
};

} // namespace Vexal
