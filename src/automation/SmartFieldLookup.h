#pragma once

#include "automation/SmartTextLookup.h"

#include <initializer_list>

class QWebElement;

namespace Vexal {

class SmartElement;
class SmartLabel;

// Base of the field lookups: gives kinds from the texts around a control
// (runs after a check box or radio, a select's first option, the parent's
// texts, and the label entries before the control).
class SmartFieldLookup : public SmartTextLookup
{
    Q_OBJECT
public:
    explicit SmartFieldLookup(QObject* parent);

    bool isCountry(const QString& text, int type) override;
    bool isPassword(const QString& text, int type) override;
    virtual int classify(SmartElement* control, const QString& text);

    void log(const QString& title) override;

    void markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    void markSpam(QList<SmartElement*>& controls);
    void markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    void markBirth(QList<SmartElement*>& controls);
    void lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

    int termsAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    int genderAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    static int birthKind(SmartElement* control);
    int kindFromParent(SmartElement* control);
    int kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode);
    static bool isBoldMode(const QList<SmartLabel*>& labels);

protected:
    struct Rule {
        const char* keyword;
        int kind;
    };
    // The first rule whose keyword one of the text entries after the
    // control holds; 0 at the next control entry or the end of the list.
    int kindAfter(SmartElement* control, const QList<SmartLabel*>& labels,
                  std::initializer_list<Rule> rules) const;

    // The control's entry in the label list, as SmartUtils::indexOfLabel.
    // The passes go through the controls in document order, so the search
    // starts after the entry found last and wraps around.
    int labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const;

private:
    mutable int m_hint = 0;
};

} // namespace Vexal
