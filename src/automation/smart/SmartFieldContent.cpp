#include "automation/smart/SmartFieldContent.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartOwnTexts.h"

#include <QRegularExpression>

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
    const SmartKeywords& keywords = m_lookup.keywords();
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindTags)
            continue;
        QStringList texts{control->placeholder(), control->title()};
        for (const SmartLabel* text : m_lookup.ownTexts(control, labels))
            texts << text->text();
        for (const QString& text : qAsConst(texts)) {
            if (keywords.answering(K::SpaceSeparated, m_lookup.hits(text), K::AnyType, m_lookup.scope())) {
                control->setSeparatesBySpaces(true);
                break;
            }
        }
    }
}

void SmartFieldContent::markSchemes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    static const QRegularExpression scheme(QStringLiteral("(?:^|\\s)[a-z][a-z0-9+.-]*://(?:\\s|&nbsp;|&#160;)*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindWebsite || control->type() != E::TypeText)
            continue;
        const int index = m_lookup.labelIndex(control, labels);
        const SmartLabel* before = index > 0 ? labels.at(index - 1) : nullptr;
        // The text right before the box, in the box's own row.
        if (before && before->isText() && scheme.match(before->text()).hasMatch()
            && SmartOwnTexts::within(before, control->element().parent()))
            control->setFollowsScheme(true);
    }
}

} // namespace Vexal
