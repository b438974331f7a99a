#include "automation/smart/SmartFieldDeclared.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartUtils.h"

#include <QRegularExpression>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;

namespace {

// The controls a field name takes, as bits of their HTML types.
constexpr int Text = 1 << E::TypeText;
constexpr int Select = 1 << E::TypeSelect;
constexpr int Pass = 1 << E::TypePassword;
// The parts of an address go into a box of several lines as into one.
constexpr int Lines = Text | 1 << E::TypeTextArea;

// The field names of the standard autocomplete list the program has a kind
// for, each with the controls that take that kind. A password declared on a
// box that shows what is typed leaves it alone: the password goes only into
// a password box.
struct Field {
    const char* name;
    int kind;
    int types;
    int elsewhere = E::KindUndef; // the kind of a control of another type
};

const Field fields[] = {
    {"name", E::KindFullName, Text},
    {"given-name", E::KindFirstName, Text},
    {"additional-name", E::KindMiddleName, Text},
    {"family-name", E::KindLastName, Text},
    {"nickname", E::KindLogin, Text},
    {"username", E::KindLogin, Text},
    {"email", E::KindEmail, Text},
    {"new-password", E::KindPassword, Pass, E::KindTrash},
    {"current-password", E::KindPassword, Pass, E::KindTrash},
    {"street-address", E::KindAddress, Lines},
    {"address-line1", E::KindAddress, Lines},
    {"address-line2", E::KindAddressDetails, Lines},
    {"address-level1", E::KindState, Lines},
    {"address-level2", E::KindCity, Lines},
    {"postal-code", E::KindZipCode, Lines},
    {"country", E::KindCountry, Lines | Select},
    {"country-name", E::KindCountry, Lines | Select},
    {"tel", E::KindPhone, Text},
    {"tel-national", E::KindPhone, Text},
    {"tel-area-code", E::KindPhone, Text},
    {"tel-local", E::KindPhone, Text},
    {"tel-local-prefix", E::KindPhone, Text},
    {"tel-local-suffix", E::KindPhone, Text},
    {"bday-day", E::KindBirthDay, Text | Select},
    {"bday-month", E::KindBirthMonth, Text | Select},
    {"bday-year", E::KindBirthYear, Text | Select},
    {"sex", E::KindGenderCombo, Select},
    {"url", E::KindWebsite, Text},
};

bool oneOf(const QString& word, std::initializer_list<const char*> words)
{
    for (const char* w : words) {
        if (word == QLatin1String(w))
            return true;
    }
    return false;
}

// The kinds an input's own type names.
int typeKind(const QString& type)
{
    if (SmartUtils::equalsNoCase(type, QStringLiteral("email")))
        return E::KindEmail;
    if (SmartUtils::equalsNoCase(type, QStringLiteral("password")))
        return E::KindPassword;
    if (SmartUtils::equalsNoCase(type, QStringLiteral("tel")))
        return E::KindPhone;
    if (SmartUtils::equalsNoCase(type, QStringLiteral("url")))
        return E::KindWebsite;
    return E::KindUndef;
}

} // namespace

int SmartFieldDeclared::tokenKind(const QString& autocomplete, int type)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList tokens = autocomplete.toLower().split(blanks, Qt::SkipEmptyParts);
    int at = 0;
    const auto next = [&] { return at < tokens.size() ? tokens.at(at) : QString(); };
    if (next().startsWith(QLatin1String("section-")))
        ++at;
    if (oneOf(next(), {"shipping", "billing"}))
        ++at;
    const QString contact = next();
    if (oneOf(contact, {"home", "work", "mobile", "fax", "pager"}))
        ++at;
    const QString name = next();
    ++at;
    if (next() == QLatin1String("webauthn"))
        ++at;
    // Anything more, or nothing, is no token of the list.
    if (name.isEmpty() || at < tokens.size())
        return E::KindUndef;
    // A field the profile holds no value for (a card, a company, a title, a
    // one-time code, a whole date, a deeper address level, a third street
    // line) leaves the box alone.
    if (name.startsWith(QLatin1String("cc-"))
        || oneOf(name, {"organization", "organization-title", "honorific-prefix", "honorific-suffix",
                        "address-line3", "address-level3", "address-level4", "tel-country-code", "tel-extension",
                        "bday", "impp", "photo", "language", "transaction-currency", "transaction-amount",
                        "one-time-code"}))
        return E::KindTrash;
    for (const Field& field : fields) {
        if (name != QLatin1String(field.name))
            continue;
        if (!((field.types >> type) & 1))
            return field.elsewhere;
        // A fax number is declared as a number of the fax; a pager's the
        // profile does not hold.
        if (field.kind == E::KindPhone && contact == QLatin1String("fax"))
            return E::KindFax;
        if (field.kind == E::KindPhone && contact == QLatin1String("pager"))
            return E::KindTrash;
        return field.kind;
    }
    return E::KindUndef;
}

SmartFieldDeclared::Declared SmartFieldDeclared::declaredOf(const SmartElement* control)
{
    const QString& autocomplete = control->autocomplete();
    if (!autocomplete.isEmpty()) {
        const int kind = tokenKind(autocomplete, control->type());
        if (kind != E::KindUndef)
            return {kind, true};
    }
    if (control->type() != E::TypeText && control->type() != E::TypePassword)
        return {E::KindUndef, false};
    return {typeKind(control->typeDeclared()), false};
}

bool SmartFieldDeclared::refines(int declared, int said)
{
    switch (declared) {
    case E::KindFullName:
        return said == E::KindFirstName || said == E::KindMiddleName || said == E::KindLastName;
    case E::KindLogin:
        return said == E::KindEmail || said == E::KindScreenName;
    default:
        return false;
    }
}

void SmartFieldDeclared::markDeclared(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    const SmartKeywords& keywords = m_lookup.keywords();
    // A phone or website box a form names in words tells that its other
    // boxes of that type are some other number or address: sites give a
    // card's number or code, a postcode, the type of a phone box for the
    // keys it shows.
    bool phone = false;
    bool website = false;
    for (const SmartElement* control : controls) {
        phone = phone || control->kind() == E::KindPhone;
        website = website || control->kind() == E::KindWebsite;
    }
    for (SmartElement* control : controls) {
        const Declared declared = declaredOf(control);
        const int said = control->kind();
        if (declared.kind == E::KindUndef || declared.kind == said || refines(declared.kind, said))
            continue;
        // An e-mail box takes nothing but an address: the login, a name or
        // any other of the account's kinds its words name would be refused.
        const bool overrides = declared.token || said == E::KindUndef
            || (declared.kind == E::KindEmail && SmartKeywords::costly(said));
        if (!overrides)
            continue;
        // What the user reads beside the box, and the names the site gave
        // it, may still name another thing: words of the table's other
        // things leave a box of the account or the person alone, and words
        // a kind's rows exclude any box of that kind ("Phone PIN").
        const auto words = [&] {
            return m_lookup.hitsOf(m_lookup.visibleLabel(control, labels))
                | m_lookup.hits(m_lookup.attributeText(control)) | m_lookup.hits(control->placeholder());
        };
        if (declared.token) {
            const bool other = keywords.excludes(declared.kind, words(), m_lookup.scope());
            control->setKind(other ? int(E::KindTrash) : declared.kind);
            continue;
        }
        // A type names less than a token: a box of a card's number, a code,
        // a number the user holds, an extension or a security answer may be
        // a phone or password box.
        if ((declared.kind == E::KindPhone && phone) || (declared.kind == E::KindWebsite && website))
            continue;
        const K::Hits shown = words();
        if (keywords.namesOther(shown) || keywords.holdsAny(K::Card, shown) || keywords.holdsAny(K::Answer, shown)
            || keywords.holdsAny(K::HeldNumber, shown) || keywords.excludes(declared.kind, shown, m_lookup.scope()))
            continue;
        control->setKind(declared.kind);
    }
}

} // namespace Vexal
