#include "automation/smart/SmartLabel.h"

#include "automation/smart/SmartLabelIds.h"
#include "automation/smart/SmartUtils.h"
#include "core/Convert.h"

#include <algorithm>

namespace Vexal {

SmartLabel::SmartLabel(QObject* parent)
    : SmartNode(parent)
{
}

void SmartLabel::setElement(const PageElement& element)
{
    setNodeElement(element);
    m_isText = false;
}

void SmartLabel::setText(const QString& text)
{
    m_text = text;
    m_isText = true;
    m_wordCount = countWords(text);
}

int SmartLabel::countWords(const QString& text)
{
    // Marks between words ("State / Province", "Name - required") are no
    // words of their own.
    int words = 0;
    bool inWord = false;
    bool counted = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            inWord = true;
            counted = false;
        }
        if (!counted && c.isLetterOrNumber()) {
            counted = true;
            ++words;
        }
    }
    return words;
}

const PageElements& SmartLabel::ancestors() const
{
    if (!m_readAncestors) {
        m_readAncestors = true;
        for (PageElement e = m_isText ? m_source : m_element; !e.isNull(); e = e.parent())
            m_ancestors.append(e);
        std::reverse(m_ancestors.begin(), m_ancestors.end());
    }
    return m_ancestors;
}

void SmartLabel::setAncestors(const PageElements& chain)
{
    m_ancestors = chain;
    m_readAncestors = true;
}

const PageElement& SmartLabel::labelTarget() const
{
    if (!m_readLabel) {
        m_readLabel = true;
        const PageElements& chain = ancestors();
        for (int i = chain.size() - 1, level = 0; i >= 0 && level < 4; --i, ++level) {
            if (SmartUtils::equalsNoCase(chain.at(i).tagName(), QStringLiteral("LABEL"))) {
                if (!m_ids)
                    m_ids = std::make_shared<SmartLabelIds>();
                m_labelTarget = m_ids->targetOf(chain.at(i), chain.first());
                break;
            }
        }
    }
    return m_labelTarget;
}

namespace {

qint64 rectAsks = 0;

} // namespace

qint64 SmartLabel::rectAsksForTests()
{
    return rectAsks;
}

const QRect& SmartLabel::rect() const
{
    if (!m_readRect) {
        m_readRect = true;
        ++rectAsks;
        const PageElement& element = m_isText ? m_source : m_element;
        if (!element.isNull())
            m_rect = element.dom()->geometry(element);
    }
    return m_rect;
}

QString SmartLabel::toString() const
{
    if (m_isText) {
        const QString pattern = m_bold ? QStringLiteral("B -> %1...") : QStringLiteral("N -> %1...");
        return pattern.arg(Convert::leftText(m_text, 30));
    }
    return elementText();
}

int SmartLabel::indexOf(const QList<SmartLabel*>& labels, const PageElement& element)
{
    for (int i = 0; i < labels.size(); ++i) {
        if (!labels.at(i)->isText() && labels.at(i)->element() == element)
            return i;
    }
    return -1;
}

} // namespace Vexal
