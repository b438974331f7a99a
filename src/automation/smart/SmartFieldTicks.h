#pragma once

#include "automation/smart/SmartFieldPass.h"
#include "automation/smart/SmartKeywords.h"
#include "shell/PageDom.h"

#include <unordered_map>

namespace Vexal {

// The passes of a field lookup over the boxes a user ticks and the radios
// he picks: lists of categories, the terms, the offers of mail, the gender.
class SmartFieldTicks : public SmartFieldPass
{
public:
    using SmartFieldPass::SmartFieldPass;

    // Check boxes in a list of categories or topics (by the boxes' names,
    // the list's container or fieldset, or its heading) become a Category,
    // also those the attribute pass took for news: they are no offers to
    // decline.
    void markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // The boxes that agree to the terms: every one the form must have, and
    // of the others the one that speaks of them most surely; the rest are
    // left alone. A box that is the terms only by a link is one only alone.
    void markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A sign-up with no box it knows for the terms: a box that stands alone
    // (in no list of boxes), whose own words and names the table reads
    // nothing in, may be the agreement in a language it does not read. It
    // stays unticked and is left for the user to tick if he agrees, never
    // learnt of from the site's refusal (run after markSpam).
    void markUnreadAgreements(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Boxes to save the address or add a gift are left as they stand.
    void markKeptAsIs(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Any other check box offers something (news, mail) the user declines.
    static void markSpam(QList<SmartElement*>& controls);
    // Radios whose own texts name a gender.
    void markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

private:
    struct BoxLists;
    bool inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels, const BoxLists& lists) const;
    // What the form's surroundings say it is for (read once a form): its
    // own id, name, class and address, and out from it, through the blocks
    // that hold no control outside it (at most SurroundingLevels), each
    // block's id and class, up to the first block with a heading before the
    // form (an H1 to H6, or a line of a few words); that heading and the
    // notes between it and the form.
    static constexpr int SurroundingLevels = 4;
    const SmartKeywords::Hits& surroundings(const PageElement& form) const;
    mutable std::unordered_map<int, SmartKeywords::Hits> m_surroundings;
    // A box is the terms when its own words say so, or, in any wording or
    // language, when the form must have it (required, a star on its own
    // label) or its own label links to another document with no word
    // against it (news, mail, an offer, another thing); never a box that
    // offers news, offers or credit. A link elsewhere on the page tells
    // nothing of the box.
    int termsByEvidence(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // A text of the box's own label is or lies in a link to another
    // document (not within the page, not a script) whose words are not
    // known to lead elsewhere than to rules ("Learn more", "Details").
    bool linksAway(const QList<const SmartLabel*>& own) const;
    // The link to another document (not within the page, not a script) a
    // text of a label is or lies in, at most LinkLevels up; null for none.
    static constexpr int LinkLevels = 4;
    static PageElement documentLink(const SmartLabel* text);
    // The box is the terms only by a link: not required, and neither its id
    // or name nor its own label's words outside its links speak of terms.
    bool termsOnlyByLink(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // A link in the box's own label names an agreement (the rules, a
    // policy, privacy, a legal page) by its words or its address's path.
    bool linkNamesAgreement(const QList<const SmartLabel*>& own) const;
    // The box is the terms by the form's required mark alone: neither its
    // own label nor its id or name speaks of terms.
    bool requiredOnly(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The user reads words for the box: its own label (in any language), or
    // words about the terms between it and its neighbouring controls.
    bool speaksOfTerms(SmartElement* control, const QList<SmartLabel*>& labels) const;
    bool isRequired(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // How words speak of the terms: of the rules (a row of the terms before
    // the last), or they only agree to something (the last).
    enum TermsWords { NoTerms, Agrees, Rules };
    TermsWords termsWords(const SmartKeywords::Hits& hits, int type) const;
    // How surely a terms box is one: 4 its own label speaks of the rules,
    // 3 its id or name does, 2 its own label agrees or accepts, 1 else.
    int termsRank(SmartElement* control, const QList<SmartLabel*>& labels) const;
};

} // namespace Vexal
