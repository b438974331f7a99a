#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace Vexal {

class DBMasterAccount;
class DBRegistrationTemplate;

// One field of a master account as automation hands it out: its caption,
// how its value is read from the master account, the registration template
// column that names its control, the kind smart recognition gives that
// control, and the texts a choice list may show the value by.
struct MasterAccountField
{
    enum Flag {
        // A drag item of the registration panel and an item of the form
        // filler.
        Listed = 1,
        // A form asks for the fact in one of several ways: no message when
        // the form has no control of the kind.
        Quiet = 2,
        // A number that a form may ask for in consecutive boxes.
        Digits = 4,
    };

    QString (*caption)();
    // The value a text box takes; null for a field that is only chosen
    // among options (by the offered texts).
    QString (*value)(const DBMasterAccount&);
    // The template column's selector; null when the template has none.
    QString (DBRegistrationTemplate::*selector)() const;
    // The recognised kind of its control; 0 when recognition fills none.
    int kind;
    // The texts besides the value that a choice list may show it by; for a
    // field without a value, the texts to choose (none: nothing is chosen
    // and nothing said). Null for none.
    QStringList (*offered)(const DBMasterAccount&);
    int flags;

    bool has(Flag flag) const { return (flags & flag) != 0; }
};

// The one table of a master account's fields, in the order every walk
// takes them: the registration fills by template (the rows with a column)
// and by recognition (the rows with a kind), the registration panel's drag
// list and the form filler (the listed rows).
namespace MasterAccountFields {

const std::vector<MasterAccountField>& all();

// The listed fields' captions, and a master account's values in the same
// order (the password in clear).
QStringList listedCaptions();
QStringList listedValues(const DBMasterAccount& account);

} // namespace MasterAccountFields

} // namespace Vexal
