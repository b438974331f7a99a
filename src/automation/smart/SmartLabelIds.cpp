#include "automation/smart/SmartLabelIds.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartUtils.h"

#include <algorithm>

namespace Vexal {

namespace {

qint64 reads = 0;

} // namespace

qint64 SmartLabelIds::readsForTests()
{
    return reads;
}

PageElement SmartLabelIds::byId(const PageElement& document, const QString& id)
{
    auto known =
        std::find_if(m_documents.begin(), m_documents.end(), [&](const Document& d) { return d.root == document; });
    if (known == m_documents.end()) {
        Document read{document, {}};
        for (const PageElement& element : document.dom()->select(document, QStringLiteral("[id]"))) {
            ++reads;
            const QString own = element.attribute(ConstSmart::attrId());
            if (!read.elements.contains(own))
                read.elements.insert(own, element);
        }
        known = m_documents.insert(m_documents.end(), std::move(read));
    }
    return known->elements.value(id);
}

PageElement SmartLabelIds::targetOf(const PageElement& label, const PageElement& document)
{
    if (label.isNull())
        return PageElement();
    const QString target = label.attribute(QStringLiteral("for"));
    if (!target.isEmpty()) {
        const PageElement found = byId(document, target);
        // A LABEL for an element that is no control (the row of a date's
        // boxes) names none of them: it labels the row.
        if (!found.isNull())
            return SmartUtils::isControl(found) ? found : PageElement();
    }
    return label.dom()->selectFirst(label, ConstSmart::controlSelector());
}

} // namespace Vexal
