#include "automation/smart/SmartTextLookup.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartUtils.h"

#include <QRegularExpression>

#include <algorithm>

namespace Vexal {

using E = SmartElement;

using K = SmartKeywords;

SmartTextLookup::SmartTextLookup(QObject* parent, SmartForm form)
    : SmartTextLookup(parent, form, K::Plain)
{
}

SmartTextLookup::SmartTextLookup(QObject* parent, SmartForm form, K::Family family)
    : SmartLookup(parent)
    , m_form(form)
    , m_scope(K::scopeOf(family, form))
    , m_keywords(&K::standard())
{
}

void SmartTextLookup::setKeywords(const SmartKeywords* keywords)
{
    m_keywords = keywords ? keywords : &K::standard();
    m_hits.clear();
    m_attributeTexts.clear();
    m_lastText.clear();
}

K::Hits SmartTextLookup::hits(const QString& text) const
{
    // A chain of matchers asks about one text again and again: the same
    // string, which needs no hashing to be known.
    if (text.isSharedWith(m_lastText))
        return m_lastHits;
    auto it = m_hits.constFind(text);
    if (it == m_hits.constEnd())
        it = m_hits.insert(text, m_keywords->scan(text));
    m_lastText = text;
    m_lastHits = it.value();
    return m_lastHits;
}

int SmartTextLookup::kindOf(K::Group group, const QString& text, int type) const
{
    return m_keywords->kind(group, hits(text), type, m_scope);
}

bool SmartTextLookup::is(K::Group group, int kind, const QString& text, int type) const
{
    return m_keywords->matches(group, kind, hits(text), type, m_scope);
}

bool SmartTextLookup::holds(K::Group group, const QString& text) const
{
    return m_keywords->holdsAny(group, hits(text));
}

bool SmartTextLookup::isCountry(const QString& text, int type)
{
    return is(K::Country, E::KindCountry, text, type);
}

bool SmartTextLookup::isTerms(const QString& text, int type)
{
    return is(K::Terms, E::KindTerms, text, type);
}

bool SmartTextLookup::isNews(const QString& text, int type)
{
    return is(K::News, E::KindSpam, text, type);
}

bool SmartTextLookup::isPassword(const QString& text, int type)
{
    return is(K::Password, E::KindPassword, text, type);
}

bool SmartTextLookup::isCaptcha(const QString& text, int type)
{
    return is(K::Captcha, E::KindCaptcha, text, type);
}

bool SmartTextLookup::asksPictureCode(SmartElement* control, const QString& text)
{
    const int type = control->type();
    // A message about a wrong code asks for none.
    if (!isCaptcha(text, type) || holds(K::Message, text))
        return false;
    const K::Row* row = m_keywords->answering(K::Captcha, hits(text), type, m_scope);
    return !row || !row->picture || SmartUtils::showsPicture(control->element());
}

bool SmartTextLookup::classAsksPictureCode(SmartElement* control)
{
    const QString names = control->element().attribute(QStringLiteral("class"));
    return !names.isEmpty() && asksPictureCode(control, names);
}

bool SmartTextLookup::isMail(const QString& text, int type)
{
    return is(K::Mail, E::KindEmail, text, type);
}

bool SmartTextLookup::isUrl(const QString& text, int type)
{
    return is(K::Url, E::KindWebsite, text, type);
}

bool SmartTextLookup::isLogin(const QString& text, int type)
{
    if (type != E::TypeText)
        return false;
    // "ID and Email": the login ID, which may also be given as an e-mail.
    if (holds(K::Mail, text))
        return loneId(text);
    return is(K::Login, E::KindLogin, text, type);
}

bool SmartTextLookup::isTitle(const QString& text, int type)
{
    return is(K::Title, E::KindTitle, text, type);
}

bool SmartTextLookup::isTags(const QString& text, int type)
{
    return is(K::Tags, E::KindTags, text, type);
}

bool SmartTextLookup::isDescription(const QString& text, int type)
{
    return is(K::Description, E::KindDescription, text, type);
}

bool SmartTextLookup::isCategory(const QString& text, int type)
{
    return is(K::Category, E::KindCategory, text, type);
}

bool SmartTextLookup::isIntro(const QString& text, int type)
{
    return is(K::Intro, E::KindIntro, text, type);
}

bool SmartTextLookup::isBio(const QString& text, int type)
{
    return is(K::Bio, E::KindBio, text, type);
}

bool SmartTextLookup::isBody(const QString& text, int type)
{
    return is(K::Body, E::KindBody, text, type)
        || (is(K::ArticleWord, E::KindBody, text, type) && SmartUtils::letterCount(text) == 7);
}

bool SmartTextLookup::isQuestion(const QString& text, int type)
{
    return is(K::Question, E::KindQuestion, text, type);
}

bool SmartTextLookup::isAnswer(const QString& text, int type)
{
    return is(K::Answer, E::KindAnswer, text, type);
}

bool SmartTextLookup::isYear(const QString& text, int type)
{
    return is(K::BirthPart, E::KindBirthYear, text, type);
}

bool SmartTextLookup::isMonth(const QString& text, int type)
{
    return is(K::BirthPart, E::KindBirthMonth, text, type);
}

bool SmartTextLookup::isDay(const QString& text, int type)
{
    return is(K::BirthPart, E::KindBirthDay, text, type);
}

const QString& SmartTextLookup::attributeText(const SmartElement* control) const
{
    auto it = m_attributeTexts.constFind(control);
    if (it == m_attributeTexts.constEnd()) {
        if (control->editedArea().isNull())
            it = m_attributeTexts.insert(
                control, QStringLiteral("%1 %2").arg(ownId(control->id(), control->name()), ownName(control->name())));
        else
            it = m_attributeTexts.insert(control, editedAreaText(control->editedArea()));
    }
    return it.value();
}

QString SmartTextLookup::editedAreaText(const PageElement& area) const
{
    const QString id = area.attribute(ConstSmart::attrId());
    const QString name = area.attribute(ConstSmart::attrName());
    return QStringLiteral("%1 %2").arg(ownId(id, name), ownName(name));
}

QString SmartTextLookup::ownId(const QString& id, const QString& name) const
{
    if (id.isEmpty())
        return id;
    const QString own = ownName(id);
    if (own.size() != id.size())
        return own;
    // An id the framework built from a name written as a path, the joins
    // turned into "_" ("ctl00_Main_txtEmail" of "ctl00$Main$txtEmail",
    // "member_card_email" of "member_card[email]"), ends in that name's own
    // part.
    const QString part = ownName(name);
    if (part.size() == name.size() || id.size() <= part.size() || !id.endsWith(part, Qt::CaseInsensitive)
        || id.at(id.size() - part.size() - 1) != QLatin1Char('_'))
        return id;
    return id.right(part.size());
}

QString SmartTextLookup::ownName(const QString& name) const
{
    // The parts of a path are joined by anything but letters, digits, "_"
    // and "-" (which join the words of one part).
    const auto joins = [](QChar c) { return !c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-'); };
    if (std::none_of(name.begin(), name.end(), joins))
        return name;
    static const QRegularExpression joints(QStringLiteral("[^\\p{L}\\p{N}_\\-]+"));
    const QStringList parts = name.split(joints, Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return name;
    // The keys after the control's own part that name no field (an index,
    // "value") are passed over: "email[0][value]" is the e-mail's box.
    for (int i = parts.size() - 1; i > 0; --i) {
        const QString& part = parts.at(i);
        if (!(std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); })
              || holds(SmartKeywords::PathKey, part)))
            return part;
    }
    return parts.first();
}

bool SmartTextLookup::loneId(const QString& text)
{
    for (int at = text.indexOf(QLatin1String("ID")); at >= 0; at = text.indexOf(QLatin1String("ID"), at + 1)) {
        const bool before = at == 0 || !text.at(at - 1).isLetterOrNumber();
        const bool after = at + 2 >= text.size() || !text.at(at + 2).isLetterOrNumber();
        if (before && after)
            return true;
    }
    return false;
}

int SmartTextLookup::addressLevel(const QString& text)
{
    if (!holds(K::AddressLevel, text))
        return -1;
    return kindOf(K::AddressLevel, text);
}

int SmartTextLookup::contactKind(const QString& text, int type)
{
    if (type != E::TypeText)
        return E::KindUndef;
    const int level = addressLevel(text);
    if (level >= 0)
        return level;
    return kindOf(K::Contact, text, type);
}

int SmartTextLookup::addressKind(const QString& text, int type)
{
    const int kind = kindOf(K::Address, text, type);
    if (kind == E::KindUndef || addressLevel(text) >= 0)
        return E::KindUndef;
    // The flat or unit of a building ("Apt", "Suite", "Unit #").
    if (kind == E::KindAddressDetails)
        return kind;
    // The second line holds the rest of the address; any other line takes
    // the street (later lines are weighed by the form's other boxes).
    return addressLine(text) == 2 ? int(E::KindAddressDetails) : int(E::KindAddress);
}

int SmartTextLookup::addressLine(const QString& text)
{
    // The number of a line stands as a number of its own ("Address 2",
    // "address_line2"), not as a digit of a longer one ("address_45381448").
    static const QRegularExpression numbers(QStringLiteral("\\d+"));
    bool first = false;
    bool second = false;
    int later = 0;
    for (QRegularExpressionMatchIterator it = numbers.globalMatch(text); it.hasNext();) {
        const QStringRef number = it.next().capturedRef();
        const int value = number.size() == 1 ? number.at(0).digitValue() : 0;
        first = first || value == 1;
        second = second || value == 2;
        if (value >= 3 && (later == 0 || value < later))
            later = value;
    }
    return first ? 1 : second ? 2 : later;
}

int SmartTextLookup::userKind(const QString& text, const QString& second, bool fallback, int type)
{
    if (type != E::TypeText)
        return E::KindUndef;
    const int kind = nameKind(text);
    if (kind == E::KindUndef)
        return E::KindUndef;
    if (kind != E::KindUser)
        return kind;
    const int secondKind = nameKind(second);
    if (secondKind != E::KindUndef && secondKind != E::KindUser)
        return secondKind;
    if (!fallback)
        return E::KindUndef;
    return holds(K::User, text) ? E::KindLogin : E::KindFullName;
}

int SmartTextLookup::nameKind(const QString& text)
{
    const int initial = kindOf(K::Initial, text);
    if (initial != E::KindUndef)
        return initial;
    const bool name = holds(K::Name, text);
    if (name) {
        // A part ("First name"), else some name of the user ("Your name",
        // "Name").
        const int kind = kindOf(K::NamePart, text);
        if (kind != E::KindUndef)
            return kind;
        if (SmartUtils::latinLetterCount(text) == 4)
            return E::KindUser;
    }
    if (holds(K::User, text)) {
        if (name || text.contains(QLatin1String("ID"), Qt::CaseSensitive) || SmartUtils::latinLetterCount(text) == 4)
            return E::KindUser;
    }
    return ownerKind(text);
}

int SmartTextLookup::ownerKind(const QString& text)
{
    // Only the directory lookups have rows for the owner of an entry.
    return kindOf(K::Owner, text);
}

int SmartTextLookup::genderKind(const QString& text, const QString&, int type)
{
    return type == E::TypeRadio ? kindOf(K::Gender, text, type) : int(E::KindUndef);
}

bool SmartTextLookup::isMessenger(const QString& text, int type)
{
    return is(K::Messenger, E::KindTrash, text, type);
}

int SmartTextLookup::registrationKind(SmartElement* control, const QString& text, bool fallback)
{
    // The code of a picture first: its field may also be called an answer.
    // A messenger handle next, whatever names or addresses its label speaks of.
    return firstKind({StepCaptcha, StepMessenger, fallback ? StepUserOrLogin : StepUser, StepGender, StepYear,
                      StepMonth, StepDay, StepLogin, StepPassword, StepMail, StepUrl, StepQuestion, StepAnswer,
                      StepCountry, StepContact, StepAddress},
                     control, text);
}

int SmartTextLookup::namePartByNames(const SmartElement* control) const
{
    const int part = kindOf(K::NamePart, attributeText(control) + QStringLiteral(" name"));
    return part == E::KindFirstName || part == E::KindMiddleName || part == E::KindLastName ? part
                                                                                         : int(E::KindUndef);
}

int SmartTextLookup::namePart(const QString& text, bool* bare) const
{
    // Most texts name no part of a name at all.
    if (!holds(K::NameWord, text))
        return E::KindUndef;
    static const QRegularExpression gaps(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QStringList words = text.toCaseFolded().split(gaps, Qt::SkipEmptyParts);
    words.removeAll(QStringLiteral("name"));
    words.removeAll(QStringLiteral("names"));
    if (words.size() != 1)
        return E::KindUndef;
    const int kind = kindOf(K::NameWord, words.first());
    if (kind != E::KindUndef)
        *bare = !text.contains(QLatin1String("name"), Qt::CaseInsensitive);
    return kind;
}

int SmartTextLookup::firstKind(std::initializer_list<int> steps, SmartElement* control, const QString& text)
{
    for (int step : steps) {
        const int kind = stepKind(step, control, text);
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartTextLookup::stepKind(int step, SmartElement* control, const QString& text)
{
    const int type = control->type();
    auto kindIf = [](bool matches, int kind) { return matches ? kind : int(E::KindUndef); };
    switch (step) {
    case StepCaptcha: return kindIf(asksPictureCode(control, text), E::KindCaptcha);
    case StepCategory: return kindIf(isCategory(text, type), E::KindCategory);
    case StepTitle: return kindIf(isTitle(text, type), E::KindTitle);
    case StepTags: return kindIf(isTags(text, type), E::KindTags);
    case StepBio: return kindIf(isBio(text, type), E::KindBio);
    case StepIntro: return kindIf(isIntro(text, type), E::KindIntro);
    case StepBody: return kindIf(isBody(text, type), E::KindBody);
    case StepUrl: return kindIf(isUrl(text, type), E::KindWebsite);
    case StepDescription: return kindIf(isDescription(text, type), E::KindDescription);
    case StepMail: return kindIf(isMail(text, type), E::KindEmail);
    case StepPassword: return isPassword(text, type) ? int(E::KindPassword) : kindOf(K::Password, text, type);
    case StepTerms: return kindIf(isTerms(text, type), E::KindTerms);
    case StepNews: return kindIf(isNews(text, type), E::KindSpam);
    case StepLogin: return kindIf(isLogin(text, type), E::KindLogin);
    case StepYear: return kindIf(isYear(text, type), E::KindBirthYear);
    case StepMonth: return kindIf(isMonth(text, type), E::KindBirthMonth);
    case StepDay: return kindIf(isDay(text, type), E::KindBirthDay);
    case StepQuestion: return kindIf(isQuestion(text, type), E::KindQuestion);
    case StepAnswer: return kindIf(isAnswer(text, type), E::KindAnswer);
    case StepCountry: return kindIf(isCountry(text, type), E::KindCountry);
    case StepUser:
    case StepUserOrLogin: {
        // Only a text box's name reads its title.
        const int kind = userKind(text, type == E::TypeText ? control->title() : QString(),
                                  step == StepUserOrLogin && !m_strict, type);
        // A bare "Name" over boxes whose names say which part each takes
        // ("dnrfirst", "dnrlast").
        if (kind != E::KindUndef && nameKind(text) == E::KindUser) {
            const int part = namePartByNames(control);
            if (part != E::KindUndef)
                return part;
        }
        return kind;
    }
    // Only a radio's value tells the gender.
    case StepGender: return genderKind(text, type == E::TypeRadio ? control->value() : QString(), type);
    case StepContact: return contactKind(text, type);
    case StepAddress: return addressKind(text, type);
    case StepMessenger: return kindIf(isMessenger(text, type), E::KindTrash);
    default: return E::KindUndef;
    }
}

} // namespace Vexal
