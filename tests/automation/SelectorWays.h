#pragma once

#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "automation/selector/SelectorLookupText.h"
#include "shell/PageDom.h"

#include <QString>

// The engine tests the texts of a step two ways, one text read at a time or
// the texts of a whole subtree worked out at once, and weighs which costs
// less (lookup::TextBudget). The answer must not depend on the way: the
// selector tests ask the engine with each way forced and hold the answers
// to one another.
namespace selectorWays {

using Way = Vexal::lookup::TextBudget::Way;

// Forces a way while it lives.
class Forced
{
public:
    explicit Forced(Way way) { Vexal::lookup::TextBudget::force(way); }
    ~Forced() { Vexal::lookup::TextBudget::force(Way::Weighed); }
    Forced(const Forced&) = delete;
    Forced& operator=(const Forced&) = delete;
};

inline QString nameOf(Way way)
{
    return way == Way::Reading ? QStringLiteral("read one at a time")
        : way == Way::Together ? QStringLiteral("worked out together")
                               : QStringLiteral("weighed");
}

// Whether the lookup just run went the way forced: forced to read, it
// worked out no subtree; forced to work out, it read no text of an element
// holding others without its subtree worked out (TextBudget::tally).
inline bool ranAsForced(Way way)
{
    const Vexal::lookup::TextBudget::Tally tally = Vexal::lookup::TextBudget::tally();
    return way == Way::Reading ? tally.workedOut == 0 : way != Way::Together || tally.readAlone == 0;
}

// The engine's answer as its budgets weigh the ways; "differs" names the
// forced way whose answer is another, or that did not run as forced (empty
// where all agree).
inline Vexal::PageElements find(const Vexal::PageDomHandle& dom, const Vexal::SelectorList* list, QString& differs)
{
    differs.clear();
    Vexal::PageElements weighed;
    for (const Way way : {Way::Weighed, Way::Reading, Way::Together}) {
        const Forced forced(way);
        Vexal::lookup::TextBudget::resetTally();
        const Vexal::PageElements found = Vexal::SelectorLookup(dom).find(list);
        if (way == Way::Weighed)
            weighed = found;
        else if (!ranAsForced(way) && differs.isEmpty())
            differs = nameOf(way) + QStringLiteral(", not as forced");
        else if (found != weighed && differs.isEmpty())
            differs = nameOf(way);
    }
    return weighed;
}

} // namespace selectorWays
