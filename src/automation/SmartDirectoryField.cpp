#include "automation/SmartDirectoryField.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartDirectoryField::SmartDirectoryField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

int SmartDirectoryField::ownerKind(const QString& text)
{
    if (hasAny(text, {"name"}) && hasAny(text, {"submitter", "owner", "contact"}))
        return E::KindFullName;
    return E::KindUndef;
}

int SmartDirectoryField::websiteKind(const QString& text, int type)
{
    if (!isUrl(text, type))
        return E::KindUndef;
    return hasAny(text, {"reciprocal"}) ? int(E::KindTrash) : int(E::KindWebsite);
}

int SmartDirectoryField::linkKindAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return kindAfter(control, labels,
                     {{"$", E::KindTrash}, {"reciprocal", E::KindTrash}, {"free", E::KindFreeUrl}});
}

void SmartDirectoryField::classifyLinkRadios(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != E::TypeRadio)
            continue;
        const int kind = linkKindAfter(control, labels);
        if (kind != E::KindUndef)
            control->setKind(kind);
    }
}

int SmartDirectoryField::classify(SmartElement* control, const QString& text)
{
    const int type = control->type();
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    if (isCategory(text, type))
        return E::KindCategory;
    if (isTitle(text, type))
        return E::KindTitle;
    if (isTags(text, type))
        return E::KindTags;
    int kind = websiteKind(text, type);
    if (kind != E::KindUndef)
        return kind;
    if (isDescription(text, type))
        return E::KindDescription;
    kind = userKind(text, control->element().attribute(ConstSmart::attrTitle()), true, type);
    if (kind == E::KindLogin)
        return E::KindFullName;
    if (kind != E::KindUndef)
        return kind;
    if (isMail(text, type))
        return E::KindEmail;
    if (isPassword(text, type))
        return E::KindPassword;
    return E::KindUndef;
}

void SmartDirectoryField::classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels)
{
    clear();
    addElements(controls);
    markCaptcha(controls, labels);
    markTerms(controls, labels);
    markSpam(controls);
    classifyLinkRadios(controls, labels);
    lookupKinds(controls, labels);
}

} // namespace Vexal
