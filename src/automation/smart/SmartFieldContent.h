#pragma once

#include "automation/smart/SmartFieldPass.h"
#include "shell/PageDom.h"

namespace Vexal {

// The passes of a field lookup over the forms that take an entry of the
// user's content (an article, a directory listing, a bookmark): a rich
// editor's frame, and how the page asks for the tags and the address.
class SmartFieldContent : public SmartFieldPass
{
public:
    using SmartFieldPass::SmartFieldPass;

    // A rich editor's frame takes the kind that a LABEL for its text area
    // gives, as a box's own label outranks its name; without one it keeps
    // what the area's id and name gave it.
    void markEditorFrames(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // On an article form whose words name no body, its one rich editor
    // still without a kind is the body; of two or more, none is.
    static void markOneEditorBody(QList<SmartElement*>& controls);
    // A tags box whose own texts, placeholder or tip ask for the tags
    // separated by spaces (SmartElement::separatesBySpaces).
    void markTagSeparators(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // An address box right after a scheme the page writes in its own row
    // ("http://") takes the address without it (SmartElement::followsScheme).
    void markSchemes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

    // The same facts of one box of the label sequence (at index; -1 for a
    // box the sequence does not hold), for a fill that found the box by a
    // template's selector.
    static bool asksSpaces(const PageElement& box, const QList<SmartLabel*>& labels, int index, int scope);
    static bool followsScheme(const PageElement& box, const QList<SmartLabel*>& labels, int index);
};

} // namespace Vexal
