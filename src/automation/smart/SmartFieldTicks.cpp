#include "automation/smart/SmartFieldTicks.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartBoxFacts.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelShape.h"
#include "automation/smart/SmartOwnTexts.h"
#include "automation/smart/SmartUtils.h"

#include <QUrl>

#include <unordered_map>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;
namespace Own = SmartOwnTexts;
namespace Facts = SmartBoxFacts;
namespace Shape = SmartLabelShape;

namespace {

bool isBox(const PageElement& element)
{
    return SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagInput())
        && SmartUtils::equalsNoCase(element.attribute(ConstSmart::attrType()), ConstSmart::typeCheckBox());
}

// A heading of a block: an H1 to H6 element, or a line of a few words.
bool headingLike(const QString& tag, const QString& text)
{
    constexpr int headingWords = 8;
    if (tag.size() == 2 && tag.at(0).toUpper() == QLatin1Char('H') && tag.at(1).isDigit())
        return true;
    return !text.contains(QLatin1Char('\n')) && SmartLabel::countWords(text) <= headingWords;
}

} // namespace

// What the form's controls tell of each element above them, read once from
// the label sequence, whose entries share the elements of the ancestors
// they have in common: how many check boxes it holds, whether it holds any
// other control, and the entry of its first box.
struct SmartFieldTicks::BoxLists {
    struct Holding {
        int boxes = 0;
        bool other = false;
        int first = -1;
    };
    std::unordered_map<int, Holding> held;

    explicit BoxLists(const QList<SmartLabel*>& labels)
    {
        // The elements above the boxes first, then which of them hold
        // another control too.
        std::vector<int> others;
        for (int i = 0; i < labels.size(); ++i) {
            const SmartLabel* entry = labels.at(i);
            if (entry->isText())
                continue;
            if (!isBox(entry->element())) {
                others.push_back(i);
                continue;
            }
            const PageElements& chain = entry->ancestors();
            for (int depth = 0; depth + 1 < chain.size(); ++depth) {
                Holding& holding = held[chain.at(depth).id()];
                if (holding.boxes++ == 0)
                    holding.first = i;
            }
        }
        for (int i = 0; i < int(others.size()) && !held.empty(); ++i) {
            const PageElements& chain = labels.at(others[size_t(i)])->ancestors();
            for (int depth = chain.size() - 2; depth >= 0; --depth) {
                const auto it = held.find(chain.at(depth).id());
                if (it == held.end())
                    continue;
                // What holds this one holds the control too, and was marked
                // by an earlier control or is marked now on the way up.
                if (it->second.other)
                    break;
                it->second.other = true;
            }
        }
    }

    const Holding& of(const PageElement& element) const
    {
        static const Holding none;
        const auto it = held.find(element.id());
        return it == held.end() ? none : it->second;
    }
    // Holds check boxes and no other control (hidden fields aside).
    bool onlyBoxes(const PageElement& element) const { return !of(element).other; }

    // The list of check boxes a box is one of, by the box's chain of
    // ancestors (its label entry's): the depth of the smallest element
    // around it that holds another check box and no other control; -1 when
    // there is none.
    int listOf(const PageElements& chain) const
    {
        // The chain of the box itself: its parent first.
        for (int depth = chain.size() - 2; depth >= 0; --depth) {
            const PageElement& e = chain.at(depth);
            if (SmartUtils::isFormOrBody(e) || !onlyBoxes(e))
                break;
            if (of(e).boxes >= 2)
                return depth;
        }
        return -1;
    }
};

bool SmartFieldTicks::inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels,
                                     const BoxLists& lists) const
{
    const int index = m_lookup.labelIndex(control, labels);
    if (index < 0)
        return false;
    const PageElements& chain = labels.at(index)->ancestors();
    const int depth = lists.listOf(chain);
    if (depth < 0)
        return false;
    const PageElement& list = chain.at(depth);
    // What the list as a whole is called: its container, up to where other
    // controls join (its name, id or class, or the legend of its
    // fieldset), and its heading (the texts before its first box that are
    // not the previous control's). The blocks further out, up to the form,
    // and the form's own surroundings tell only what the list is not: one
    // about newsletters holds their topics, whatever else it holds (its own
    // e-mail box).
    QStringList names;
    K::Hits around;
    bool own = true;
    PageElement form;
    for (int up = depth; up >= 0; --up) {
        const PageElement& e = chain.at(up);
        if (SmartUtils::isFormOrBody(e)) {
            if (SmartUtils::equalsNoCase(e.tagName(), ConstSmart::tagForm()))
                form = e;
            break;
        }
        own = own && lists.onlyBoxes(e);
        QString name = e.attribute(ConstSmart::attrId()) + QLatin1Char(' ') + e.attribute(ConstSmart::attrName())
            + QLatin1Char(' ') + e.attribute(QStringLiteral("class"));
        if (SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("FIELDSET")))
            name += QLatin1Char(' ') + e.dom()->selectFirst(e, QStringLiteral("legend")).toPlainText();
        if (own)
            names << name;
        else
            around |= m_lookup.hits(name);
    }
    const int first = lists.of(list).first;
    int previous = first - 1;
    while (previous >= 0 && labels.at(previous)->isText())
        --previous;
    for (int i = first - 1; first >= 0 && i > previous; --i) {
        const SmartLabel* text = labels.at(i);
        if (text->labelTarget().isNull()
            && !Own::namesOther(text, labels.at(first), previous >= 0 ? labels.at(previous) : nullptr))
            names << text->text();
    }
    // A list of the newsletters' topics offers news, whatever its boxes say.
    K::Hits words;
    for (const QString& name : names)
        words |= m_lookup.hits(name);
    const SmartKeywords& keywords = m_lookup.keywords();
    if (keywords.holdsExclusion(K::CategoryList, E::KindCategory, words | around))
        return false;
    // The box's own name ("topic_sport"), else the list's.
    auto aboutCategories = [&](const K::Hits& found) {
        return keywords.kind(K::CategoryList, found, E::TypeCheckBox, m_lookup.scope()) != E::KindUndef;
    };
    return (aboutCategories(m_lookup.hits(m_lookup.attributeText(control))) || aboutCategories(words))
        && (form.isNull() || !keywords.holdsExclusion(K::CategoryList, E::KindCategory, surroundings(form)));
}

const K::Hits& SmartFieldTicks::surroundings(const PageElement& form) const
{
    const auto known = m_surroundings.find(form.id());
    if (known != m_surroundings.end())
        return known->second;
    QStringList texts{form.attribute(ConstSmart::attrId()), form.attribute(ConstSmart::attrName()),
                      form.attribute(QStringLiteral("class")), form.attribute(QStringLiteral("action"))};
    PageElement inner = form;
    for (int level = 0; level < SurroundingLevels; ++level) {
        const PageElement block = inner.parent();
        if (block.isNull() || SmartUtils::isFormOrBody(block))
            break;
        // A block that holds another control is a page of more than the
        // form: its words are not the form's.
        bool alone = true;
        for (PageElement s = block.firstChild(); alone && !s.isNull(); s = s.nextSibling())
            alone = s == inner || !SmartUtils::holdsControl(s);
        if (!alone)
            break;
        texts << block.attribute(ConstSmart::attrId()) << block.attribute(QStringLiteral("class"));
        // Its heading: the nearest heading before the form, with the notes
        // between them; else a line of text that runs in the block itself
        // right before it ("Sign up for our newsletter:<br><form>").
        QStringList before;
        bool heading = false;
        for (PageElement s = inner.previousSibling(); !heading && !s.isNull(); s = s.previousSibling()) {
            const QString tag = s.tagName();
            if (SmartUtils::equalsNoCase(tag, QStringLiteral("SCRIPT"))
                || SmartUtils::equalsNoCase(tag, QStringLiteral("STYLE")))
                continue;
            const QString text = s.toPlainText().trimmed();
            if (text.isEmpty())
                continue;
            before << text;
            heading = headingLike(tag, text);
        }
        if (!heading) {
            const QString all = block.toPlainText();
            const QString inside = inner.toPlainText().trimmed();
            const int at = inside.isEmpty() ? -1 : all.indexOf(inside);
            const QString line = at > 0 ? all.left(at).trimmed().section(QLatin1Char('\n'), -1).trimmed() : QString();
            heading = !line.isEmpty() && headingLike(QString(), line);
            if (heading)
                before << line;
        }
        if (heading) {
            texts << before;
            break;
        }
        inner = block;
    }
    return m_surroundings.emplace(form.id(), m_lookup.hits(texts.join(QLatin1Char(' ')))).first->second;
}

void SmartFieldTicks::markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    const BoxLists lists(labels);
    for (SmartElement* control : controls) {
        if (control->type() == E::TypeCheckBox && (control->kind() == E::KindUndef || control->kind() == E::KindSpam)
            && inCategoryList(control, labels, lists))
            control->setKind(E::KindCategory);
    }
}

void SmartFieldTicks::markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // A box its name calls the terms whose own label offers news or names
    // another thing is what the label says; one that shows the user no
    // words about the terms is not ticked for them.
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindTerms && control->type() == E::TypeCheckBox
            && (m_lookup.keywords().holdsExclusion(K::Terms, E::KindTerms,
                                                   m_lookup.hitsOf(m_lookup.ownTexts(control, labels)))
                || !speaksOfTerms(control, labels)))
            control->setKind(E::KindUndef);
    }
    // A box its name offers news whose own label speaks of the rules ("I
    // agree to the rules" on "newsletter_rules") is what the label says.
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindSpam && control->type() == E::TypeCheckBox
            && termsWords(m_lookup.hitsOf(m_lookup.ownTexts(control, labels)), control->type()) == Rules)
            control->setKind(E::KindTerms);
    }
    SmartFieldLookup::markOpen(controls, E::TypeCheckBox,
                               [&](SmartElement* control) { return termsByEvidence(control, labels); });
    // A box that is the terms only by a link in its label is none beside a
    // box that is the terms by its own words (an offer with rules of its own
    // beside the site's terms); a box the form requires by its mark alone
    // (an age confirmation) pushes none out. Of such boxes, those whose link
    // names an agreement by its words or its address outrank the others; two
    // of the others tell no terms apart, in any language: none is ticked,
    // each is left for the user to tick if he agrees.
    QList<SmartElement*> byLink;
    QList<SmartElement*> named;
    bool sure = false;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindTerms)
            continue;
        if (termsOnlyByLink(control, labels))
            (linkNamesAgreement(m_lookup.ownTexts(control, labels)) ? named : byLink) << control;
        else
            sure = sure || !requiredOnly(control, labels);
    }
    const bool undecided = !sure && named.isEmpty() && byLink.size() > 1;
    QList<SmartElement*> dropped;
    if (sure)
        dropped = byLink + named;
    else if (!named.isEmpty() || undecided)
        dropped = byLink;
    for (SmartElement* control : dropped) {
        control->setKind(E::KindUndef);
        control->setAsksUser(undecided);
    }
    // Every box the form must have is ticked. Of the others one is: the one
    // whose own label, else id or name, speaks of terms outranks one that
    // only agrees to something; the first wins a tie. The rest are left
    // alone.
    SmartElement* best = nullptr;
    int bestRank = 0;
    QList<SmartElement*> required;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindTerms)
            continue;
        if (isRequired(control, labels)) {
            required << control;
            continue;
        }
        const int rank = termsRank(control, labels);
        if (rank > bestRank) {
            best = control;
            bestRank = rank;
        }
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindTerms && control != best && !required.contains(control))
            control->setKind(E::KindTrash);
    }
}

void SmartFieldTicks::markUnreadAgreements(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    if (SmartElement::containsKind(controls, E::KindTerms))
        return;
    const BoxLists lists(labels);
    for (SmartElement* control : controls) {
        if (control->type() != E::TypeCheckBox || control->kind() != E::KindSpam || control->asksUser())
            continue;
        const int index = m_lookup.labelIndex(control, labels);
        const QList<const SmartLabel*> own = m_lookup.ownTexts(control, labels);
        if (index >= 0 && !own.isEmpty() && m_lookup.hitsOf(own).none()
            && m_lookup.hits(m_lookup.attributeText(control)).none()
            && lists.listOf(labels.at(index)->ancestors()) < 0)
            control->setAsksUser(true);
    }
}

SmartFieldTicks::TermsWords SmartFieldTicks::termsWords(const K::Hits& hits, int type) const
{
    const SmartKeywords& keywords = m_lookup.keywords();
    const int rank = keywords.rank(K::Terms, hits, type, m_lookup.scope());
    if (rank < 0)
        return NoTerms;
    return rank + 1 < keywords.rowCount(K::Terms, type, m_lookup.scope()) ? Rules : Agrees;
}

int SmartFieldTicks::termsRank(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const TermsWords byLabel = termsWords(m_lookup.hitsOf(m_lookup.ownTexts(control, labels)), control->type());
    if (byLabel == Rules)
        return 4;
    if (termsWords(m_lookup.hits(m_lookup.attributeText(control)), control->type()) == Rules)
        return 3;
    return byLabel == Agrees ? 2 : 1;
}

bool SmartFieldTicks::isRequired(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return Facts::required(control->element(), control->type(), labels, m_lookup.labelIndex(control, labels),
                           m_lookup.keywords());
}

int SmartFieldTicks::termsByEvidence(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const SmartKeywords& keywords = m_lookup.keywords();
    const QList<const SmartLabel*> own = m_lookup.ownTexts(control, labels);
    const K::Hits words = m_lookup.hitsOf(own);
    const int type = control->type();
    // Words of the rules, or a label that only agrees ("I agree", "Yes, I
    // accept"); a sentence that agrees to something else ("I accept
    // liability for ...") is no terms.
    const TermsWords said = termsWords(words, type);
    if (said == Rules)
        return E::KindTerms;
    // A box its id or name offers news, offers or credit by ("subscribe",
    // "partner_offers") is that offer, whether its label only agrees or the
    // form requires it.
    if (keywords.holdsRowExclusion(K::Terms, E::KindTerms, m_lookup.hits(m_lookup.attributeText(control))))
        return E::KindUndef;
    if (said == Agrees) {
        for (const SmartLabel* text : own) {
            if (text->wordCount() <= Shape::LabelWords && termsWords(m_lookup.hits(text->text()), type) == Agrees)
                return E::KindTerms;
        }
    }
    // In any wording or language: the form must have the box, or its own
    // label links to another document; never a box that offers news,
    // offers or credit, remembers the user, or names another thing (a link
    // to the members' list beside "Show my e-mail"), also where the form
    // requires it.
    if (keywords.holdsExclusion(K::Terms, E::KindTerms, words) || keywords.holdsAny(K::News, words))
        return E::KindUndef;
    if (isRequired(control, labels))
        return E::KindTerms;
    if (keywords.holdsAny(K::Mail, words))
        return E::KindUndef;
    return linksAway(own) ? int(E::KindTerms) : int(E::KindUndef);
}

bool SmartFieldTicks::linkNamesAgreement(const QList<const SmartLabel*>& own) const
{
    const SmartKeywords& keywords = m_lookup.keywords();
    for (const SmartLabel* text : own) {
        const PageElement link = documentLink(text);
        if (link.isNull())
            continue;
        const K::Hits words =
            m_lookup.hits(link.toPlainText()) | m_lookup.hits(QUrl(link.attribute(QStringLiteral("href"))).path());
        if (keywords.answering(K::Agreement, words, K::AnyType, m_lookup.scope())
            && !keywords.holdsRowExclusion(K::Terms, E::KindTerms, words))
            return true;
    }
    return false;
}

bool SmartFieldTicks::requiredOnly(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return termsWords(m_lookup.hitsOf(m_lookup.ownTexts(control, labels)), control->type()) == NoTerms
        && termsWords(m_lookup.hits(m_lookup.attributeText(control)), control->type()) == NoTerms
        && isRequired(control, labels);
}

PageElement SmartFieldTicks::documentLink(const SmartLabel* text)
{
    // A link holds its words itself or a few inline levels up.
    const PageElements& chain = text->ancestors();
    for (int i = chain.size() - 1; i >= 0 && i >= chain.size() - LinkLevels; --i) {
        const PageElement& e = chain.at(i);
        if (SmartUtils::isControlTag(e.tagName()) || SmartUtils::isFormOrBody(e))
            break;
        if (!SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("A")))
            continue;
        // A link within the page, or a script, shows no document of its own.
        const QString href = e.attribute(QStringLiteral("href")).trimmed();
        if (!href.isEmpty() && !href.startsWith(QLatin1Char('#'))
            && !href.startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive))
            return e;
        break;
    }
    return PageElement();
}

bool SmartFieldTicks::linksAway(const QList<const SmartLabel*>& own) const
{
    // A link whose words lead to help ("Learn more") shows no rules.
    for (const SmartLabel* text : own) {
        const PageElement link = documentLink(text);
        if (!link.isNull()
            && !m_lookup.keywords().answering(K::MoreInfo, m_lookup.hits(link.toPlainText()), K::AnyType,
                                              m_lookup.scope()))
            return true;
    }
    return false;
}

bool SmartFieldTicks::termsOnlyByLink(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    // The words the box's own label says besides its links (a text with no
    // word of the terms says nothing of them wherever it stands).
    const SmartKeywords& keywords = m_lookup.keywords();
    K::Hits said;
    for (const SmartLabel* text : m_lookup.ownTexts(control, labels)) {
        const K::Hits words = m_lookup.hits(text->text());
        if (!keywords.holdsAny(K::Terms, words) || documentLink(text).isNull())
            said |= words;
    }
    return termsWords(said, control->type()) == NoTerms
        && termsWords(m_lookup.hits(m_lookup.attributeText(control)), control->type()) != Rules
        && !isRequired(control, labels);
}

bool SmartFieldTicks::speaksOfTerms(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QList<const SmartLabel*> own = m_lookup.ownTexts(control, labels);
    if (!own.isEmpty())
        return true;
    const int index = m_lookup.labelIndex(control, labels);
    if (index < 0)
        return false;
    const K::Hits near = m_lookup.hitsOf(Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index));
    return m_lookup.keywords().kind(K::Terms, near, control->type(), m_lookup.scope()) != E::KindUndef;
}

void SmartFieldTicks::markKeptAsIs(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    SmartFieldLookup::markOpen(controls, E::TypeCheckBox, [&](SmartElement* control) {
        const K::Hits words =
            m_lookup.hitsOf(m_lookup.ownTexts(control, labels)) | m_lookup.hits(m_lookup.attributeText(control));
        return m_lookup.keywords().kind(K::KeepAsIs, words, control->type(), m_lookup.scope());
    });
}

void SmartFieldTicks::markSpam(QList<SmartElement*>& controls)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef && control->type() == E::TypeCheckBox)
            control->setKind(E::KindSpam);
    }
}

void SmartFieldTicks::markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    SmartFieldLookup::markOpen(controls, E::TypeRadio,
                               [&](SmartElement* control) { return m_lookup.kindAfter(control, labels, K::Gender); });
}

} // namespace Vexal
