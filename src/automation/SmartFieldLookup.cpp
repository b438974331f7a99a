#include "automation/SmartFieldLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"
#include "automation/SmartLog.h"
#include "automation/SmartUtils.h"

#include <QRegularExpression>
#include <QVector>

namespace Vexal {

using E = SmartElement;

SmartFieldLookup::SmartFieldLookup(QObject* parent, SmartForm form)
    : SmartTextLookup(parent, form)
{
}

bool SmartFieldLookup::isCountry(const QString& text, int type)
{
    return typeIn(type, {E::TypeSelect, E::TypeText}) && hasAny(text, {"country"});
}

bool SmartFieldLookup::isPassword(const QString& text, int type)
{
    return typeIn(type, {E::TypePassword, E::TypeText}) && hasAny(text, {"password"});
}

int SmartFieldLookup::classify(SmartElement*, const QString&)
{
    return E::KindUndef;
}

void SmartFieldLookup::writeLog(SmartLog* report)
{
    report->writeKinds(m_elements);
}

int SmartFieldLookup::labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const PageElement& element = control->element();
    const int size = labels.size();
    if (m_hint < 0 || m_hint >= size)
        m_hint = 0;
    for (int n = 0, i = m_hint; n < size; ++n, i = (i + 1 == size ? 0 : i + 1)) {
        const SmartLabel* label = labels.at(i);
        if (!label->isText() && label->element() == element) {
            m_hint = i + 1;
            return i;
        }
    }
    return -1;
}

namespace {

bool isInlineTag(const QString& tag)
{
    static const char* const tags[] = {"A", "B", "STRONG", "EM", "I", "U", "SPAN", "FONT", "SMALL", "LABEL",
                                       "SUP", "SUB", "BIG", "ABBR", "CODE"};
    for (const char* name : tags) {
        if (tag.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

PageElement SmartFieldLookup::ownContainer(const QList<SmartLabel*>& labels, int index)
{
    // The neighbouring controls in document order are the nearest others:
    // the container stops just below the first element that holds one.
    const PageElements& chain = labels.at(index)->ancestors();
    int shared = -1;
    for (int i = index - 1; i >= 0; --i) {
        if (!labels.at(i)->isText()) {
            shared = SmartUtils::commonDepth(chain, labels.at(i)->ancestors());
            break;
        }
    }
    for (int i = index + 1; i < labels.size(); ++i) {
        if (!labels.at(i)->isText()) {
            shared = qMax(shared, SmartUtils::commonDepth(chain, labels.at(i)->ancestors()));
            break;
        }
    }
    const int depth = shared + 1;
    if (shared < 0 || depth >= chain.size() - 1)
        return PageElement();
    const QString tag = chain.at(depth).tagName();
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagForm()) || SmartUtils::equalsNoCase(tag, ConstSmart::tagBody()))
        return PageElement();
    return chain.at(depth);
}

bool SmartFieldLookup::namesOther(const SmartLabel* text, const SmartLabel* control, const SmartLabel* other)
{
    const PageElement& target = text->labelTarget();
    if (!target.isNull())
        return !(target == control->element());
    if (!other || text->source().isNull())
        return false;
    const PageElements& chain = text->ancestors();
    return SmartUtils::commonDepth(chain, other->ancestors()) > SmartUtils::commonDepth(chain, control->ancestors());
}

bool SmartFieldLookup::labelsBelow(const QList<SmartLabel*>& labels, int index, int depth)
{
    const PageElements& own = labels.at(index)->ancestors();
    if (depth < 0 || depth >= own.size())
        return false;
    const PageElement block = own.at(depth);
    auto inside = [&](int i) {
        const PageElements& chain = labels.at(i)->ancestors();
        return chain.size() > depth && chain.at(depth) == block;
    };
    int first = index;
    int start = index;
    while (start - 1 >= 0 && inside(start - 1)) {
        --start;
        if (!labels.at(start)->isText())
            first = start;
    }
    int last = index;
    int end = index;
    while (end + 1 < labels.size() && inside(end + 1)) {
        ++end;
        if (!labels.at(end)->isText())
            last = end;
    }
    const bool textBeforeFirst = first > start;
    const bool textAfterLast = last < end;
    return textAfterLast && !textBeforeFirst;
}

bool SmartFieldLookup::subLabelOfPrevious(const QList<SmartLabel*>& labels, int index, int text, int previous)
{
    if (previous < 0 || !labels.at(text)->labelTarget().isNull())
        return false;
    const PageElements& chain = labels.at(text)->ancestors();
    const int depth = SmartUtils::commonDepth(chain, labels.at(index)->ancestors());
    return depth == SmartUtils::commonDepth(chain, labels.at(previous)->ancestors())
        && labelsBelow(labels, index, depth);
}

namespace {

bool chainHolds(const PageElements& chain, const PageElement& element)
{
    for (int i = chain.size() - 1; i >= 0; --i) {
        if (chain.at(i) == element)
            return true;
    }
    return false;
}

// The text (its source and ancestors in chain) runs in the parent itself,
// or in an inline element of it.
bool runsIn(const PageElements& chain, const PageElement& parent)
{
    return !chain.isEmpty()
        && (chain.last() == parent
            || (chain.size() > 1 && chain.at(chain.size() - 2) == parent && isInlineTag(chain.last().tagName())));
}

} // namespace

QList<const SmartLabel*> SmartFieldLookup::ownTexts(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    QList<const SmartLabel*> own;
    const int index = labelIndex(control, labels);
    if (index < 0)
        return own;
    const PageElement self = control->element();
    const PageElement container = ownContainer(labels, index);
    const PageElement parent = self.parent();
    auto isOwn = [&](const SmartLabel* text, bool after) {
        const PageElement& target = text->labelTarget();
        if (!target.isNull())
            return target == self;
        const PageElements& chain = text->ancestors();
        if (chain.isEmpty())
            return false;
        if (!container.isNull())
            return chainHolds(chain, container);
        // Boxes side by side in one parent: only the text running on from
        // the box belongs to it.
        return after && runsIn(chain, parent);
    };
    for (int i = index + 1; i < labels.size() && labels.at(i)->isText(); ++i) {
        if (!isOwn(labels.at(i), true))
            break;
        own << labels.at(i);
    }
    for (int i = index - 1; i >= 0 && labels.at(i)->isText(); --i) {
        if (!isOwn(labels.at(i), false))
            break;
        own << labels.at(i);
    }
    return own;
}

QList<const SmartLabel*> SmartFieldLookup::leadingLabel(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own = ownTextsBefore(labels, index);
    if (own.isEmpty() && index > 0) {
        const SmartLabel* nearest = labels.at(index - 1);
        // A term, or a text that ends like one ("Please enter your e-mail:");
        // a sentence is a notice.
        if (nearest->isText() && nearest->labelTarget().isNull()
            && (nearest->wordCount() <= 4 || nearest->text().endsWith(QLatin1Char(':'))))
            own << nearest;
    }
    return own;
}

QList<const SmartLabel*> SmartFieldLookup::ownTextsBefore(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own;
    const PageElement self = labels.at(index)->element();
    const PageElement container = ownContainer(labels, index);
    // Without a container of its own: the texts running in its parent up to
    // the control.
    bool running = container.isNull();
    for (int i = index - 1; i >= 0 && labels.at(i)->isText(); --i) {
        const SmartLabel* text = labels.at(i);
        const PageElement& target = text->labelTarget();
        bool mine = false;
        if (!target.isNull())
            mine = target == self;
        else if (!container.isNull())
            mine = chainHolds(text->ancestors(), container);
        else
            mine = running = running && runsIn(text->ancestors(), self.parent());
        if (mine)
            own << text;
    }
    return own;
}

int SmartFieldLookup::namePart(const QString& text, bool* bare)
{
    static const struct
    {
        const char* word;
        int kind;
    } parts[] = {{"first", E::KindFirstName},   {"given", E::KindFirstName},    {"forename", E::KindFirstName},
                 {"middle", E::KindMiddleName}, {"initial", E::KindMiddleName}, {"last", E::KindLastName},
                 {"family", E::KindLastName},   {"surname", E::KindLastName}};
    static const QRegularExpression gaps(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QStringList words = text.toCaseFolded().split(gaps, Qt::SkipEmptyParts);
    words.removeAll(QStringLiteral("name"));
    words.removeAll(QStringLiteral("names"));
    if (words.size() != 1)
        return E::KindUndef;
    for (const auto& part : parts) {
        if (words.first() == QLatin1String(part.word)) {
            *bare = !text.contains(QLatin1String("name"), Qt::CaseInsensitive);
            return part.kind;
        }
    }
    return E::KindUndef;
}

void SmartFieldLookup::markNameParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // The part each open text field's own texts name, and whether they name
    // it bare ("First", "Family") or as a name ("First name", "Surname").
    QVector<int> kinds(controls.size(), E::KindUndef);
    QVector<bool> bare(controls.size(), false);
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        const int index =
            control->kind() == E::KindUndef && control->type() == E::TypeText ? labelIndex(control, labels) : -1;
        if (index < 0)
            continue;
        bool isBare = false;
        for (const SmartLabel* text : ownTextsBefore(labels, index) + ownTextsAfter(labels, index)) {
            const int kind = namePart(text->text(), &isBare);
            if (kind != E::KindUndef) {
                kinds[i] = kind;
                bare[i] = isBare;
                break;
            }
        }
    }
    // A bare part is one of a name split into fields: a neighbour names
    // another part.
    for (int i = 0; i < controls.size(); ++i) {
        if (kinds.at(i) == E::KindUndef)
            continue;
        const bool split = (i > 0 && kinds.at(i - 1) != E::KindUndef && kinds.at(i - 1) != kinds.at(i))
            || (i + 1 < controls.size() && kinds.at(i + 1) != E::KindUndef && kinds.at(i + 1) != kinds.at(i));
        if (!bare.at(i) || split)
            controls.at(i)->setKind(kinds.at(i));
    }
}

int SmartFieldLookup::kindAfter(SmartElement* control, const QList<SmartLabel*>& labels,
                                std::initializer_list<Rule> rules) const
{
    for (const SmartLabel* label : ownTexts(control, labels)) {
        const int kind = ruleKind(label->text(), rules);
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::afterEnd(const QList<SmartLabel*>& labels, int index)
{
    int end = index + 1;
    while (end < labels.size() && labels.at(end)->isText())
        ++end;
    return end;
}

bool SmartFieldLookup::ownAfter(const QList<SmartLabel*>& labels, int index, int end, const SmartLabel* text,
                                PageElement* container, bool* containerRead)
{
    const SmartLabel* self = labels.at(index);
    const PageElement& target = text->labelTarget();
    if (!target.isNull())
        return target == self->element();
    const PageElements& chain = text->ancestors();
    if (end < labels.size()) {
        const int depth = SmartUtils::commonDepth(chain, self->ancestors());
        const int next = SmartUtils::commonDepth(chain, labels.at(end)->ancestors());
        // In one block, the side the texts keep to tells: sub-labels under
        // the fields belong to the field above them.
        return depth > next || (depth == next && labelsBelow(labels, index, depth));
    }
    if (!*containerRead) {
        *containerRead = true;
        *container = ownContainer(labels, index);
    }
    return !container->isNull() && chainHolds(chain, *container);
}

QList<const SmartLabel*> SmartFieldLookup::ownTextsAfter(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own;
    const int end = afterEnd(labels, index);
    PageElement container;
    bool containerRead = false;
    for (int i = index + 1; i < end; ++i) {
        if (!ownAfter(labels, index, end, labels.at(i), &container, &containerRead))
            break;
        own << labels.at(i);
    }
    return own;
}

int SmartFieldLookup::kindFromLabelsAfter(SmartElement* control, const QList<SmartLabel*>& labels)
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    for (const SmartLabel* label : ownTextsAfter(labels, index)) {
        // A label is a few words; a sentence after a field is help about it
        // ("Shown instead of your e-mail address") and names no kind.
        if (label->wordCount() > 4)
            continue;
        const int kind = classify(control, label->text());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::termsAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QList<const SmartLabel*> own = ownTexts(control, labels);
    // A box that offers news is a preference, whatever else its label says
    // ("I agree to receive the newsletter").
    for (const SmartLabel* label : own) {
        if (SmartUtils::containsKeyword(label->text(), QStringLiteral("news")))
            return E::KindUndef;
    }
    for (const SmartLabel* label : own) {
        if (hasAny(label->text(), {"agree", "terms"}))
            return E::KindTerms;
    }
    return E::KindUndef;
}

int SmartFieldLookup::termsRank(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QString attributes = control->id() + QLatin1Char(' ') + control->name();
    if (SmartUtils::containsKeyword(attributes, QStringLiteral("term")))
        return 4;
    for (const SmartLabel* label : ownTexts(control, labels)) {
        if (SmartUtils::containsKeyword(label->text(), QStringLiteral("term")))
            return 3;
    }
    if (hasAny(attributes, {"agree", "accept"}))
        return 2;
    return 1;
}

int SmartFieldLookup::genderAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return kindAfter(control, labels, {{"female", E::KindGenderFemale}, {"male", E::KindGenderMale}});
}

int SmartFieldLookup::birthKind(SmartElement* control)
{
    const PageElement first = control->element().firstChild();
    if (first.isNull())
        return E::KindUndef;
    return ruleKind(first.toPlainText(),
                    {{"year", E::KindBirthYear}, {"month", E::KindBirthMonth}, {"day", E::KindBirthDay}});
}

bool SmartFieldLookup::asksForCode(SmartElement* control, const QList<SmartLabel*>& labels)
{
    const int type = control->type();
    const int index = labelIndex(control, labels);
    if (index < 0)
        return false;
    const SmartLabel* previous = nullptr;
    for (int i = index - 1; i >= 0; --i) {
        if (!labels.at(i)->isText()) {
            previous = labels.at(i);
            break;
        }
    }
    if (!previous) {
        for (const SmartLabel* label : leadingLabel(labels, index)) {
            if (isCaptcha(label->text(), type))
                return true;
        }
    }
    for (int i = index - 1; previous && i >= 0 && labels.at(i)->isText(); --i) {
        if (!namesOther(labels.at(i), labels.at(index), previous) && isCaptcha(labels.at(i)->text(), type))
            return true;
    }
    for (const SmartLabel* label : ownTextsAfter(labels, index)) {
        if (isCaptcha(label->text(), type))
            return true;
    }
    return false;
}

void SmartFieldLookup::markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() != E::TypeText
            || (control->kind() != E::KindUndef && control->kind() != E::KindAnswer))
            continue;
        if (asksForCode(control, labels))
            control->setKind(E::KindCaptcha);
    }
}

void SmartFieldLookup::markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    markOpen(controls, E::TypeCheckBox, [&](SmartElement* control) { return termsAfter(control, labels); });
    // One terms box is checked: the one whose own id, name or label speaks
    // of terms outranks one that only agrees to something; the first wins a
    // tie. The others are left as they are.
    SmartElement* best = nullptr;
    int bestRank = 0;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindTerms)
            continue;
        const int rank = termsRank(control, labels);
        if (rank > bestRank) {
            best = control;
            bestRank = rank;
        }
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindTerms && control != best)
            control->setKind(E::KindTrash);
    }
}

namespace {

bool isBox(const PageElement& element)
{
    return SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagInput())
        && SmartUtils::equalsNoCase(element.attribute(ConstSmart::attrType()), ConstSmart::typeCheckBox());
}

bool isFormOrBody(const PageElement& element)
{
    return SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagForm())
        || SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagBody());
}

// The element holds check boxes and no other control but hidden fields.
bool holdsOnlyBoxes(const PageElement& element)
{
    for (const PageElement& control : element.dom()->select(element, ConstSmart::controlSelector())) {
        if (!isBox(control)
            && !SmartUtils::equalsNoCase(control.attribute(ConstSmart::attrType()), ConstSmart::typeHidden()))
            return false;
    }
    return true;
}

bool aboutCategories(const QString& text)
{
    return SmartTextLookup::hasAny(text, {"categor", "topic"});
}

} // namespace

PageElement SmartFieldLookup::boxList(const PageElement& box)
{
    for (PageElement e = box.parent(); !e.isNull() && !isFormOrBody(e) && holdsOnlyBoxes(e); e = e.parent()) {
        const PageElements boxes = e.dom()->select(e, QStringLiteral("input"));
        int count = 0;
        for (int i = 0; i < boxes.size() && count < 2; ++i)
            count += isBox(boxes.at(i)) ? 1 : 0;
        if (count >= 2)
            return e;
    }
    return PageElement();
}

bool SmartFieldLookup::inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels)
{
    const PageElement list = boxList(control->element());
    if (list.isNull())
        return false;
    if (aboutCategories(control->id() + QLatin1Char(' ') + control->name()))
        return true;
    // Its container, up to where other controls join: its name, id or
    // class, or the legend of its fieldset.
    for (PageElement e = list; !e.isNull() && !isFormOrBody(e) && holdsOnlyBoxes(e); e = e.parent()) {
        if (aboutCategories(e.attribute(ConstSmart::attrId()) + QLatin1Char(' ') + e.attribute(ConstSmart::attrName())
                            + QLatin1Char(' ') + e.attribute(QStringLiteral("class"))))
            return true;
        if (SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("FIELDSET"))
            && aboutCategories(e.dom()->selectFirst(e, QStringLiteral("legend")).toPlainText()))
            return true;
    }
    // Its heading: the texts before its first box that are not the
    // previous control's.
    int first = -1;
    for (int i = 0; i < labels.size() && first < 0; ++i) {
        if (!labels.at(i)->isText() && isBox(labels.at(i)->element())) {
            for (PageElement e = labels.at(i)->element().parent(); !e.isNull(); e = e.parent()) {
                if (e == list) {
                    first = i;
                    break;
                }
            }
        }
    }
    if (first < 0)
        return false;
    int previous = first - 1;
    while (previous >= 0 && labels.at(previous)->isText())
        --previous;
    for (int i = first - 1; i > previous; --i) {
        const SmartLabel* text = labels.at(i);
        if (text->labelTarget().isNull()
            && !namesOther(text, labels.at(first), previous >= 0 ? labels.at(previous) : nullptr)
            && aboutCategories(text->text()))
            return true;
    }
    return false;
}

void SmartFieldLookup::markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() == E::TypeCheckBox && (control->kind() == E::KindUndef || control->kind() == E::KindSpam)
            && inCategoryList(control, labels))
            control->setKind(E::KindCategory);
    }
}

void SmartFieldLookup::markSpam(QList<SmartElement*>& controls)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef && control->type() == E::TypeCheckBox)
            control->setKind(E::KindSpam);
    }
}

void SmartFieldLookup::markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    markOpen(controls, E::TypeRadio, [&](SmartElement* control) { return genderAfter(control, labels); });
}

void SmartFieldLookup::markBirth(QList<SmartElement*>& controls)
{
    markOpen(controls, E::TypeSelect, &birthKind);
}

void SmartFieldLookup::markOpen(QList<SmartElement*>& controls, int type,
                                const std::function<int(SmartElement*)>& kindOf)
{
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != type)
            continue;
        const int kind = kindOf(control);
        if (kind != E::KindUndef)
            control->setKind(kind);
    }
}

void SmartFieldLookup::lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromParent(control));
    }
    SmartLog* report = SmartLog::instance();
    if (isBoldMode(labels)) {
        report->writeLine(QStringLiteral("LOOKUP BOLD"));
        for (SmartElement* control : controls) {
            if (control->kind() == E::KindUndef)
                control->setKind(kindFromLabels(control, labels, 1));
        }
    } else {
        report->writeLine(QStringLiteral("LOOKUP BOLD SKIPPED"));
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromLabels(control, labels, 2));
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromLabelsAfter(control, labels));
    }
}

int SmartFieldLookup::kindFromParent(SmartElement* control)
{
    const PageElement self = control->element();
    const PageElement parent = self.parent();
    if (parent.isNull())
        return E::KindUndef;
    // Any other control below the parent makes its texts ambiguous. The
    // first one usually tells, without collecting them all.
    PageDom* dom = parent.dom();
    if (!(dom->selectFirst(parent, ConstSmart::controlSelector()) == self))
        return E::KindUndef;
    for (const PageElement& other : dom->select(parent, ConstSmart::controlSelector())) {
        if (!(other == self))
            return E::KindUndef;
    }
    for (const PageElement& element : dom->select(parent, QStringLiteral("*"))) {
        if (element == self)
            continue;
        const int kind = classify(control, element.toPlainText());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode)
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    int previousIndex = index - 1;
    while (previousIndex >= 0 && labels.at(previousIndex)->isText())
        --previousIndex;
    const SmartLabel* previous = previousIndex >= 0 ? labels.at(previousIndex) : nullptr;
    if (!previous) {
        for (const SmartLabel* label : leadingLabel(labels, index)) {
            if (mode == 1 && (!label->isBold() || label->wordCount() > 4))
                continue;
            const int kind = classify(control, label->text());
            if (kind != E::KindUndef)
                return kind;
        }
        return E::KindUndef;
    }
    for (int i = index - 1; i >= 0; --i) {
        const SmartLabel* label = labels.at(i);
        if (!label->isText())
            return E::KindUndef;
        if (mode == 1 && (!label->isBold() || label->wordCount() > 4))
            continue;
        // A sub-label under the previous field is that field's.
        if (namesOther(label, labels.at(index), previous) || subLabelOfPrevious(labels, index, i, previousIndex))
            continue;
        const int kind = classify(control, label->text());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

bool SmartFieldLookup::isBoldMode(const QList<SmartLabel*>& labels)
{
    if (labels.isEmpty())
        return true;
    int controls = 0;
    int bold = 0;
    for (const SmartLabel* label : labels) {
        if (!label->isText())
            ++controls;
        else if (label->isBold())
            ++bold;
    }
    if (controls < 4)
        return bold == controls;
    return 100 * bold / controls > 49;
}

} // namespace Vexal
