#pragma once

#include "automation/smart/SmartFieldPass.h"

#include <QString>
#include <QStringList>

namespace Vexal {

// The passes of a field lookup over the person a form asks for: the parts
// of a name, the parts of a birthday, and the fields of another person.
class SmartFieldPeople : public SmartFieldPass
{
public:
    using SmartFieldPass::SmartFieldPass;

    // Text fields whose own texts (a label of their own, a sub-label under
    // them) name a part of a name get that part, before the label of their
    // row ("Name") makes the first a full name. A bare part ("First",
    // "Given", "Last", "Family") counts where a neighbouring field names
    // another part.
    void markNameParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Choice lists whose first option names a part of a date ("Year",
    // "Month", "Day") take that part of the birthday.
    void markBirth(QList<SmartElement*>& controls);
    // Choice lists read as parts of a birthday keep that only where they or
    // the date parts beside them speak of birth, or where the three parts
    // stand together with years gone by; a text that names another date
    // ("Year of graduation", "every day") leaves its list alone.
    void confirmBirth(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Text boxes whose own words name a part of a date bare ("Year", "DD"),
    // and choice lists whose options are a date's part, take that part of
    // the birthday where their group speaks of birth: the containers of
    // their id or name ("ctl00$Main$DateOfBirth$Yr", "dob[year]"), the
    // legend of their fieldset, the texts before them (the caption beside
    // them, the heading over their row), or a part of the birthday right
    // before them.
    void markBirthByGroup(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A bare "Name" beside a surname, with no first name, is the first name.
    void markNameBesideSurname(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A person's name met again starts the fields of another person (a
    // repeated group: a second attendee): the kinds they repeat are left
    // alone. Other repeats are the member's own (a billing address beside
    // the delivery address, a second e-mail), and so is a name met again
    // where its name or the texts before it ask for the member's billing,
    // shipping or mailing address.
    void markRepeats(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

private:
    int birthKind(SmartElement* control) const;
    // The part of a date a choice list's options are: years gone by, the
    // twelve months (by number or name), the days; 0 for none.
    int partByOptions(const SmartElement* control) const;
    // A date text that names another event than a birth: a date word with
    // a word of its own ("graduation", "every", "expiry"); an age rule
    // ("You must be at least 18 years old") names none.
    bool namesOtherDate(const QString& text) const;
    // The texts a choice list's date is read from: its id and name, its
    // first option, the texts before it and its own after it.
    QStringList dateTexts(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // Year, month and day together, the years all gone by.
    static bool wholePastDate(const QList<SmartElement*>& group);
    // The control's name, or the texts before it, ask for the member's
    // billing, shipping or mailing address.
    bool asksOwnAddress(SmartElement* control, const QList<SmartLabel*>& labels) const;
};

} // namespace Vexal
