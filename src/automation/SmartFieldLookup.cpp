#include "automation/SmartFieldLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"
#include "automation/SmartLog.h"
#include "automation/SmartUtils.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartFieldLookup::SmartFieldLookup(QObject* parent)
    : SmartTextLookup(parent)
{
}

bool SmartFieldLookup::isCountry(const QString& text, int type)
{
    return typeIn(type, {E::TypeSelect, E::TypeText}) && hasAny(text, {"country"});
}

bool SmartFieldLookup::isPassword(const QString& text, int type)
{
    return typeIn(type, {E::TypePassword, E::TypeText}) && hasAny(text, {"password"});
}

int SmartFieldLookup::classify(SmartElement*, const QString&)
{
    return E::KindUndef;
}

void SmartFieldLookup::log(const QString& title)
{
    SmartLog* report = SmartLog::instance();
    if (!report->isEnabled())
        return;
    report->newLine();
    report->writeLine(title);
    report->writeKinds(m_elements);
}

int SmartFieldLookup::labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QWebElement& element = control->element();
    const int size = labels.size();
    if (m_hint < 0 || m_hint >= size)
        m_hint = 0;
    for (int n = 0, i = m_hint; n < size; ++n, i = (i + 1 == size ? 0 : i + 1)) {
        const SmartLabel* label = labels.at(i);
        if (!label->isText() && label->element() == element) {
            m_hint = i + 1;
            return i;
        }
    }
    return -1;
}

int SmartFieldLookup::kindAfter(SmartElement* control, const QList<SmartLabel*>& labels,
                                std::initializer_list<Rule> rules) const
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    for (int i = index + 1; i < labels.size(); ++i) {
        const SmartLabel* label = labels.at(i);
        if (!label->isText())
            return E::KindUndef;
        for (const Rule& rule : rules) {
            if (label->text().contains(QLatin1String(rule.keyword), Qt::CaseInsensitive))
                return rule.kind;
        }
    }
    return E::KindUndef;
}

int SmartFieldLookup::termsAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return kindAfter(control, labels, {{"agree", E::KindTerms}, {"terms", E::KindTerms}});
}

int SmartFieldLookup::genderAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return kindAfter(control, labels, {{"female", E::KindGenderFemale}, {"male", E::KindGenderMale}});
}

int SmartFieldLookup::birthKind(SmartElement* control)
{
    const QWebElement first = control->element().firstChild();
    if (first.isNull())
        return E::KindUndef;
    const QString text = first.toPlainText();
    if (hasAny(text, {"year"}))
        return E::KindBirthYear;
    if (hasAny(text, {"month"}))
        return E::KindBirthMonth;
    if (hasAny(text, {"day"}))
        return E::KindBirthDay;
    return E::KindUndef;
}

void SmartFieldLookup::markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != E::TypeCheckBox)
            continue;
        const int kind = termsAfter(control, labels);
        if (kind != E::KindUndef)
            control->setKind(kind);
    }
}

void SmartFieldLookup::markSpam(QList<SmartElement*>& controls)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef && control->type() == E::TypeCheckBox)
            control->setKind(E::KindSpam);
    }
}

void SmartFieldLookup::markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != E::TypeRadio)
            continue;
        const int kind = genderAfter(control, labels);
        if (kind != E::KindUndef)
            control->setKind(kind);
    }
}

void SmartFieldLookup::markBirth(QList<SmartElement*>& controls)
{
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != E::TypeSelect)
            continue;
        const int kind = birthKind(control);
        if (kind != E::KindUndef)
            control->setKind(kind);
    }
}

void SmartFieldLookup::lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromParent(control));
    }
    SmartLog* report = SmartLog::instance();
    if (isBoldMode(labels)) {
        report->writeLine(QStringLiteral("LOOKUP BOLD"));
        for (SmartElement* control : controls) {
            if (control->kind() == E::KindUndef)
                control->setKind(kindFromLabels(control, labels, 1));
        }
    } else {
        report->writeLine(QStringLiteral("LOOKUP BOLD SKIPPED"));
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromLabels(control, labels, 2));
    }
}

int SmartFieldLookup::kindFromParent(SmartElement* control)
{
    const QWebElement self = control->element();
    const QWebElement parent = self.parent();
    if (parent.isNull())
        return E::KindUndef;
    // Any other control below the parent makes its texts ambiguous. The
    // first one usually tells, without collecting them all.
    if (!(parent.findFirst(ConstSmart::controlSelector()) == self))
        return E::KindUndef;
    const QWebElementCollection controls = parent.findAll(ConstSmart::controlSelector());
    for (int i = 0; i < controls.count(); ++i) {
        if (!(controls.at(i) == self))
            return E::KindUndef;
    }
    const QWebElementCollection all = parent.findAll(QStringLiteral("*"));
    for (int i = 0; i < all.count(); ++i) {
        const QWebElement element = all.at(i);
        if (element == self)
            continue;
        const int kind = classify(control, element.toPlainText());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode)
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    for (int i = index - 1; i >= 0; --i) {
        const SmartLabel* label = labels.at(i);
        if (!label->isText())
            return E::KindUndef;
        if (mode == 1 && (!label->isBold() || label->wordCount() > 4))
            continue;
        const int kind = classify(control, label->text());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

bool SmartFieldLookup::isBoldMode(const QList<SmartLabel*>& labels)
{
    if (labels.isEmpty())
        return true;
    int controls = 0;
    int bold = 0;
    for (const SmartLabel* label : labels) {
        if (!label->isText())
            ++controls;
        else if (label->isBold())
            ++bold;
    }
    if (controls < 4)
        return bold == controls;
    return 100 * bold / controls > 49;
}

} // namespace Vexal
