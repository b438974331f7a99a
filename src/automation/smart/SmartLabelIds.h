#pragma once

#include "shell/PageDom.h"

#include <QHash>

#include <vector>

namespace Vexal {

// The controls the LABELs of a recognition's label sequences name: a LABEL
// names its control by id ("for"), found among the ids of its document,
// which are read once, when a LABEL first names an id there. A sign-up that
// labels every box so costs one read of the page, not one search a box.
class SmartLabelIds
{
public:
    // The control that a LABEL of the document names (its "for" target,
    // else the control inside it); null when none, or when its "for" names
    // an element that is no control.
    PageElement targetOf(const PageElement& label, const PageElement& document);
    // How many elements' ids were read, for tests.
    static qint64 readsForTests();

private:
    // The first element of the document, in document order, whose id is
    // that; null for none.
    PageElement byId(const PageElement& document, const QString& id);

    struct Document
    {
        PageElement root;
        QHash<QString, PageElement> elements;
    };
    std::vector<Document> m_documents;
};

} // namespace Vexal
