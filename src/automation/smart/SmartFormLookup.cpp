#include "automation/smart/SmartFormLookup.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartUtils.h"

#include <utility>
#include <vector>

namespace Vexal {

SmartFormLookup::SmartFormLookup(QObject* parent)
    : SmartLookup(parent)
{
}

void SmartFormLookup::lookup(const QList<SmartElement*>& controls)
{
    m_counter = 0;
    clear();
    m_elements.append(controls);
    assignForms();
    assignTables();
    assignBlocks();
    numberForms();
}

void SmartFormLookup::assignForms()
{
    for (SmartElement* control : qAsConst(m_elements)) {
        if (!control->formIsNull())
            continue;
        for (PageElement e = control->element(); !e.isNull(); e = e.parent()) {
            if (SmartUtils::equalsNoCase(e.tagName(), ConstSmart::tagForm())) {
                control->setForm(e);
                break;
            }
        }
    }
}

void SmartFormLookup::assignTables()
{
    for (SmartElement* control : qAsConst(m_elements)) {
        if (!control->formIsNull())
            continue;
        for (PageElement e = control->element(); !e.isNull(); e = e.parent()) {
            const QString tag = e.tagName();
            if (SmartUtils::equalsNoCase(tag, ConstSmart::tagTBody())
                || SmartUtils::equalsNoCase(tag, ConstSmart::tagTable())) {
                control->setForm(e);
                break;
            }
        }
    }
}

// Rises until the count of controls below exceeds one, keeps rising while it
// grows, and takes the last element below the first level where it stays
// the same; at most seven levels are examined.
void SmartFormLookup::assignBlocks()
{
    // Controls share their upper ancestors: the counts of the elements that
    // hold many controls are kept, so each big subtree is counted once.
    std::vector<std::pair<PageElement, int>> bigCounts;
    auto countControls = [&bigCounts](const PageElement& element) {
        for (const auto& known : bigCounts) {
            if (known.first == element)
                return known.second;
        }
        const int n = element.dom()->select(element, ConstSmart::controlSelector()).size();
        if (n >= 16)
            bigCounts.emplace_back(element, n);
        return n;
    };
    for (SmartElement* control : qAsConst(m_elements)) {
        if (!control->formIsNull())
            continue;
        int best = 1;
        int steps = 0;
        PageElement previous = control->element();
        PageElement current = previous;
        while (!current.isNull()) {
            if (steps > 6) {
                control->setForm(previous);
                break;
            }
            const int n = countControls(current);
            if (best == 1) {
                best = n < 1 ? 1 : n;
            } else if (n == best) {
                control->setForm(previous);
                break;
            } else if (n > best) {
                best = n;
            }
            ++steps;
            previous = current;
            current = current.parent();
        }
    }
}

void SmartFormLookup::numberForms()
{
    m_counter = 0;
    for (SmartElement* control : qAsConst(m_elements))
        control->setFormNumber(0);
    if (m_elements.size() == 1) {
        m_elements.first()->setFormNumber(1);
        return;
    }
    for (int i = 0; i + 1 < m_elements.size(); ++i) {
        SmartElement* first = m_elements.at(i);
        if (first->formIsNull() || first->formNumber() != 0)
            continue;
        const PageElement container = first->form();
        for (int j = i + 1; j < m_elements.size(); ++j) {
            SmartElement* other = m_elements.at(j);
            if (other->formIsNull() || other->formNumber() != 0 || !(other->form() == container))
                continue;
            if (first->formNumber() == 0) {
                ++m_counter;
                first->setFormNumber(m_counter);
            }
            other->setFormNumber(first->formNumber());
        }
    }
}

QList<int> SmartFormLookup::formNumbers() const
{
    QList<int> numbers;
    for (const SmartElement* control : m_elements) {
        if (!numbers.contains(control->formNumber()))
            numbers.append(control->formNumber());
    }
    return numbers;
}

int SmartFormLookup::formCount() const
{
    return formNumbers().size();
}

void SmartFormLookup::removeForm(int number)
{
    for (int i = m_elements.size() - 1; i >= 0; --i) {
        if (m_elements.at(i)->formNumber() == number)
            m_elements.removeAt(i);
    }
    numberForms();
}

void SmartFormLookup::keepForm(int number)
{
    for (int i = m_elements.size() - 1; i >= 0; --i) {
        if (m_elements.at(i)->formNumber() != number)
            m_elements.removeAt(i);
    }
    numberForms();
}

int SmartFormLookup::formScore(int number, const QList<int>& types) const
{
    int score = 0;
    for (const SmartElement* control : m_elements) {
        if (control->formNumber() == number && (types.isEmpty() || types.contains(control->type())))
            ++score;
    }
    return score;
}

int SmartFormLookup::bestForm(const QList<int>& types) const
{
    int result = -1;
    int bestScore = 0;
    for (int number : formNumbers()) {
        if (number == 0)
            continue;
        const int score = formScore(number, types);
        if (score > bestScore) {
            bestScore = score;
            result = number;
        }
    }
    return result;
}

bool SmartFormLookup::isLoginForm(int number, int maxText) const
{
    int passwords = 0;
    int texts = 0;
    for (const SmartElement* control : m_elements) {
        if (control->formNumber() != number)
            continue;
        switch (control->type()) {
        case SmartElement::TypePassword:
            ++passwords;
            break;
        case SmartElement::TypeText:
            ++texts;
            break;
        case SmartElement::TypeSubmit:
        case SmartElement::TypeImage:
        case SmartElement::TypeCheckBox:
            break;
        default:
            return false;
        }
    }
    return passwords == 1 && texts <= maxText;
}

int SmartFormLookup::findLoginForm(int maxText) const
{
    for (int number : formNumbers()) {
        if (number != 0 && isLoginForm(number, maxText))
            return number;
    }
    return -1;
}

} // namespace Vexal
