#pragma once

#include "automation/smart/SmartLookup.h"
#include "shell/PageDom.h"

#include <memory>
#include <vector>

namespace Vexal {

class SmartLabelIds;

// Reads a form as a sequence of label entries in document order: text runs
// (bold or not) and controls.
class SmartLabelLookup final : public SmartLookup
{
    Q_OBJECT
public:
    explicit SmartLabelLookup(QObject* parent);

    void lookup(const PageElement& root, QObject* parent);
    // The ids its LABELs find their controls among, shared with the other
    // lookups of a recognition; without them each lookup reads its own.
    void shareIds(const std::shared_ptr<SmartLabelIds>& ids) { m_sharedIds = ids; }

private:
    void writeLog(SmartLog* report) override;

    struct Part {
        PageElement element;
        PageElement source;
        QString text;
        bool isText = false;
        int depth = 0;
        // An element's markup with its own tags, as its parent's split read
        // it: that part of this text (which it may share with its parent's
        // own); empty for the root.
        QString markup;
        int markupFrom = 0;
        int markupSize = 0;
    };

    // Below this depth under the root the markup is no longer split (each
    // level copies its whole subtree's markup): only the controls count.
    static constexpr int maxDepth = 256;

    std::shared_ptr<SmartLabelIds> m_sharedIds;
    std::shared_ptr<SmartLabelIds> m_ids;

    void collect(const PageElement& root, QObject* parent);
    SmartLabel* newEntry(QObject* parent);
    void splitChildren(const PageElement& element, const PageElement& first, int depth, const QStringRef& outer,
                       std::vector<Part>& parts) const;
    void appendText(const QString& text, bool bold, const PageElement& source, const PageElements& ancestors,
                    QObject* parent);
};

} // namespace Vexal
