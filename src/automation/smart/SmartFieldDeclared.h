#pragma once

#include "automation/smart/SmartFieldPass.h"

#include <QString>

namespace Vexal {

// The pass of a field lookup that reads what the page declares of a box
// rather than what its words say: a token of HTML's standard autocomplete
// list, and an input's own type. Neither is a word: both hold in every
// language.
class SmartFieldDeclared : public SmartFieldPass
{
public:
    using SmartFieldPass::SmartFieldPass;

    // What a control declares: the kind (KindTrash: a thing the program
    // holds no value for, left alone) and whether a token declares it (it
    // outranks the words) or the input's type (it names the box where the
    // words give nothing).
    struct Declared {
        int kind;
        bool token;
    };
    static Declared declaredOf(const SmartElement* control);
    // The kind an autocomplete attribute declares for a control of that
    // type: the field name after the optional section, shipping or billing
    // and contact parts ("section-a billing tel", "fax tel"); 0 for none
    // ("on", "off", an unknown token, or a kind the type cannot take).
    static int tokenKind(const QString& autocomplete, int type);

    // Gives each control what it declares, after the words had their say:
    // a token's kind outranks the kind its words gave where they disagree,
    // unless the words only tell more (the part of a name a site splits, a
    // login that is the e-mail or the screen name); an e-mail box is the
    // e-mail also where its words name the login or a name; a password,
    // phone or website box by its type only where its words give nothing.
    // Words of the table that name another thing (a hint, a code, a card)
    // still leave the box alone, as do words the declared kind's rows
    // exclude (a PIN beside a phone's token). A box of several lines takes
    // an address's parts as a box of one does.
    void markDeclared(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

private:
    // Words tell what a declaration does not: the declared kind stays
    // open to the more precise kind the words gave.
    static bool refines(int declared, int said);
};

} // namespace Vexal
