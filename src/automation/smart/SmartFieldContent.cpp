#include "automation/smart/SmartFieldContent.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartOwnTexts.h"

#include <QRegularExpression>

#include <algorithm>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;

void SmartFieldContent::markEditorFrames(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        const PageElement& area = control->editedArea();
        if (area.isNull())
            continue;
        for (const SmartLabel* label : labels) {
            if (!label->isText() || !(label->labelTarget() == area))
                continue;
            const int kind = m_lookup.labelKind(control, label->text());
            if (kind != E::KindUndef) {
                control->setKind(kind);
                break;
            }
        }
    }
}

void SmartFieldContent::markOneEditorBody(QList<SmartElement*>& controls)
{
    SmartElement* editor = nullptr;
    int editors = 0;
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindBody)
            return;
        if (control->isEditor()) {
            editor = control;
            ++editors;
        }
    }
    if (editors == 1 && editor->kind() == E::KindUndef)
        editor->setKind(E::KindBody);
}

void SmartFieldContent::markTagSeparators(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindTags
            && asksSpaces(control->element(), labels, m_lookup.labelIndex(control, labels), m_lookup.scope()))
            control->setSeparatesBySpaces(true);
    }
}

void SmartFieldContent::markSchemes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindWebsite && control->type() == E::TypeText
            && followsScheme(control->element(), labels, m_lookup.labelIndex(control, labels)))
            control->setFollowsScheme(true);
    }
}

bool SmartFieldContent::asksSpaces(const PageElement& box, const QList<SmartLabel*>& labels, int index, int scope)
{
    const SmartKeywords& keywords = SmartKeywords::standard();
    QStringList texts{box.attribute(QStringLiteral("placeholder")), box.attribute(QStringLiteral("title"))};
    for (const SmartLabel* text : SmartOwnTexts::ownTexts(labels, index))
        texts << text->text();
    return std::any_of(texts.cbegin(), texts.cend(), [&](const QString& text) {
        return keywords.answering(K::SpaceSeparated, keywords.scan(text), K::AnyType, scope) != nullptr;
    });
}

bool SmartFieldContent::followsScheme(const PageElement& box, const QList<SmartLabel*>& labels, int index)
{
    static const QRegularExpression scheme(QStringLiteral("(?:^|\\s)[a-z][a-z0-9+.-]*://(?:\\s|&nbsp;|&#160;)*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const SmartLabel* before = index > 0 ? labels.at(index - 1) : nullptr;
    // The text right before the box, in the box's own row.
    return before && before->isText() && scheme.match(before->text()).hasMatch()
        && SmartOwnTexts::within(before, box.parent());
}

} // namespace Vexal
