#pragma once

#include "automation/smart/SmartLookup.h"
#include "shell/PageDom.h"

#include <vector>

namespace Vexal {

// Reads a form as a sequence of label entries in document order: text runs
// (bold or not) and controls.
class SmartLabelLookup final : public SmartLookup
{
    Q_OBJECT
public:
    explicit SmartLabelLookup(QObject* parent);

    void lookup(const PageElement& root, QObject* parent);

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

    void collect(const PageElement& root, QObject* parent);
    void splitChildren(const PageElement& element, const PageElement& first, int depth, const QStringRef& outer,
                       std::vector<Part>& parts) const;
    void appendText(const QString& text, bool bold, const PageElement& source, const PageElements& ancestors,
                    QObject* parent);
};

} // namespace Vexal
