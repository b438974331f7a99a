#include "automation/selector/SelectorBuilder.h"

#include "automation/selector/ConstSelector.h"
#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorError.h"
#include "automation/selector/SelectorList.h"
#include "core/Convert.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

namespace {

// Case is mapped one UTF-16 unit at a time (simple case mapping), so a word
// keeps its length and stays letters, and its printed form parses back to
// the same step.
QString upperWord(const QString& word)
{
    QString out = word;
    for (QChar& c : out)
        c = c.toUpper();
    return out;
}

QString lowerWord(const QString& word)
{
    QString out = word;
    for (QChar& c : out)
        c = c.toLower();
    return out;
}

struct InputKeyword {
    QString (*word)();
    QString (*type)();
};

const InputKeyword inputKeywords[] = {
    {&ConstSelector::xText, &ConstSelector::typeText},
    {&ConstSelector::xPassword, &ConstSelector::typePassword},
    {&ConstSelector::xRadio, &ConstSelector::typeRadio},
    {&ConstSelector::xCheckbox, &ConstSelector::typeCheckbox},
    {&ConstSelector::xButton, &ConstSelector::typeButton},
    {&ConstSelector::xFile, &ConstSelector::typeFile},
    {&ConstSelector::xHidden, &ConstSelector::typeHidden},
    {&ConstSelector::xReset, &ConstSelector::typeReset},
    {&ConstSelector::xSubmit, &ConstSelector::typeSubmit},
};

struct StepKeyword {
    QString (*word)();
    int kind;
};

const StepKeyword stepKeywords[] = {
    {&ConstSelector::tagIframe, Selector::KindIframe},
    {&ConstSelector::tagForm, Selector::KindForm},
    {&ConstSelector::tagTextarea, Selector::KindTextarea},
    {&ConstSelector::tagSelect, Selector::KindSelect},
    {&ConstSelector::xParent, Selector::KindParent},
    {&ConstSelector::xChild, Selector::KindChild},
    {&ConstSelector::xSibling, Selector::KindSibling},
    {&ConstSelector::xNext, Selector::KindNext},
};

int conditionKeyword(const QString& upperName)
{
    if (upperName == ConstSelector::xFirst())
        return SelectorAttribute::KeywordFirst;
    if (upperName == ConstSelector::xLast())
        return SelectorAttribute::KeywordLast;
    if (upperName == ConstSelector::xText())
        return SelectorAttribute::KeywordText;
    if (upperName == ConstSelector::xTrimmed())
        return SelectorAttribute::KeywordTrimmed;
    if (upperName == ConstSelector::xName())
        return SelectorAttribute::KeywordName;
    return SelectorAttribute::KeywordAttribute;
}

bool isPositionKeyword(int keyword)
{
    return keyword == SelectorAttribute::KeywordFirst || keyword == SelectorAttribute::KeywordLast;
}

} // namespace

SelectorBuilder::SelectorBuilder(QObject* parent)
    : QObject(parent)
{
}

void SelectorBuilder::build(const QString& text, const QString& caption, const QString& value)
{
    start(text, caption);
    m_value = value;
    run();
}

void SelectorBuilder::build(const QString& text, const QString& caption, const QStringList& values)
{
    start(text, caption);
    m_values = values;
    run();
}

QString SelectorBuilder::strip(const QString& text)
{
    QString out;
    out.reserve(text.size());
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c.isSpace())
            continue;
        out += c;
    }
    return out;
}

void SelectorBuilder::start(const QString& text, const QString& caption)
{
    m_text = strip(text);
    m_length = m_text.size();
    m_caption = caption;
    m_value.clear();
    m_values.clear();
    m_error = nullptr;
    m_state = StateFirstStep;
    m_pos = 0;
    m_result = nullptr;
    m_selector = nullptr;
    m_attribute = nullptr;
}

void SelectorBuilder::run()
{
    // An empty or blank text gives no result and no error.
    if (m_length == 0)
        return;
    for (;;) {
        if (m_pos >= m_length || m_state == StateDone) {
            if (m_state != StateDone) {
                setError(LocaleMessage::incompleteSelector(m_text));
                return;
            }
            break;
        }
        bool ok = false;
        switch (m_state) {
        case StateFirstStep: ok = readFirstStep(); break;
        case StateNextStep: ok = readNextStep(); break;
        case StateName: ok = readName(); break;
        case StateComparison: ok = readComparison(); break;
        case StateValue: ok = readValue(); break;
        case StateJoin: ok = readJoin(); break;
        default: break;
        }
        if (!ok)
            return;
    }
    for (int i = 0; m_result && i < m_result->count(); ++i) {
        if (m_result->at(i)->join() == Selector::JoinUnset)
            m_result->at(i)->setJoin(Selector::JoinAll);
    }
}

bool SelectorBuilder::readFirstStep()
{
    return readStep(true);
}

bool SelectorBuilder::readNextStep()
{
    return readStep(false);
}

bool SelectorBuilder::readStep(bool first)
{
    const int start = m_pos;
    int i = start;
    while (i < m_length && m_text.at(i).isLetter())
        ++i;
    if (i == m_length) {
        if (i == start && !first) {
            setError(LocaleMessage::incompleteSelector(m_text));
            return false;
        }
        m_pos = i;
        m_state = StateDone;
        return parse(start, i, first);
    }
    const QChar c = m_text.at(i);
    if (c == QLatin1Char('[')) {
        m_pos = i + 1;
        m_state = StateName;
        return parse(start, i, first);
    }
    if (c == QLatin1Char(':')) {
        m_pos = i + 1;
        m_state = StateNextStep;
        return parse(start, i, first);
    }
    setError(LocaleMessage::invalidCharacter(m_text, i));
    return false;
}

bool SelectorBuilder::parse(int start, int end, bool first)
{
    if (first) {
        m_result = new SelectorList(m_caption, m_value, m_values, this);
    }
    m_selector = new Selector(m_result);
    m_result->addSelector(m_selector);
    m_attribute = nullptr;

    if (end <= start) {
        setError(LocaleMessage::invalidTagName(m_text, m_pos));
        return false;
    }
    const QString word = upperWord(m_text.mid(start, end - start));

    for (const InputKeyword& keyword : inputKeywords) {
        if (word == keyword.word()) {
            m_selector->setTag(ConstSelector::tagInput());
            m_selector->setKind(Selector::KindTag);
            m_selector->setJoin(Selector::JoinAll);
            m_selector->addAttribute(new SelectorAttribute(ConstSelector::attrType(), keyword.type()));
            return true;
        }
    }
    for (const StepKeyword& keyword : stepKeywords) {
        if (word == keyword.word()) {
            if (first && keyword.kind >= Selector::KindParent) {
                setError(LocaleMessage::invalidTagName(m_text, m_pos));
                return false;
            }
            m_selector->setTag(word);
            m_selector->setKind(keyword.kind);
            return true;
        }
    }
    m_selector->setTag(word);
    m_selector->setKind(Selector::KindTag);
    return true;
}

bool SelectorBuilder::readName()
{
    int i = m_pos;
    while (i < m_length && m_text.at(i).isLetterOrNumber())
        ++i;
    if (i == m_length) {
        setError(LocaleMessage::incompleteSelector(m_text));
        return false;
    }
    const QChar c = m_text.at(i);
    if (c != QLatin1Char('=') && c != QLatin1Char('!') && c != QLatin1Char('%')) {
        setError(LocaleMessage::invalidCharacter(m_text, i));
        return false;
    }
    m_attribute = new SelectorAttribute(m_selector);
    m_selector->addAttribute(m_attribute);
    const QString name = lowerWord(m_text.mid(m_pos, i - m_pos));
    const QString upperName = upperWord(name);
    const int keyword = conditionKeyword(upperName);
    m_attribute->setKeyword(keyword);
    m_attribute->setName(keyword == SelectorAttribute::KeywordAttribute ? name : upperName);
    m_pos = i;
    m_state = StateComparison;
    return true;
}

bool SelectorBuilder::readComparison()
{
    if (m_length - m_pos < 2) {
        setError(LocaleMessage::incompleteSelector(m_text));
        return false;
    }
    const QChar c = m_text.at(m_pos);
    const QChar next = m_text.at(m_pos + 1);
    int comparison = SelectorAttribute::Equal;
    int size = 2;
    if (c == QLatin1Char('=')) {
        if (next == QLatin1Char('%'))
            comparison = SelectorAttribute::StartsWith;
        else
            size = 1;
    } else if (c == QLatin1Char('%')) {
        if (next == QLatin1Char('%')) {
            comparison = SelectorAttribute::Contains;
        } else if (next == QLatin1Char('=')) {
            comparison = SelectorAttribute::EndsWith;
        } else {
            setError(LocaleMessage::invalidCharacter(m_text, m_pos + 1));
            return false;
        }
    } else if (c == QLatin1Char('!') && next == QLatin1Char('=')) {
        comparison = SelectorAttribute::NotEqual;
    } else {
        setError(LocaleMessage::invalidCharacter(m_text, m_pos + 1));
        return false;
    }
    m_pos += size;
    m_state = StateValue;
    m_attribute->setComparison(comparison);
    if (isPositionKeyword(m_attribute->keyword()) && comparison != SelectorAttribute::Equal
        && comparison != SelectorAttribute::NotEqual) {
        setError(LocaleMessage::invalidOperator(m_text, m_pos));
        return false;
    }
    return true;
}

bool SelectorBuilder::readValue()
{
    if (m_text.at(m_pos) != QLatin1Char('"')) {
        setError(LocaleMessage::invalidCharacter(m_text, m_pos));
        return false;
    }
    const int close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
    if (close < 0) {
        setError(LocaleMessage::incompleteSelector(m_text));
        return false;
    }
    const QString value = m_text.mid(m_pos + 1, close - m_pos - 1);
    m_pos = close + 1;
    m_state = StateJoin;
    m_attribute->setValue(value);
    if (value.isEmpty()) {
        setError(LocaleMessage::invalidAttributeValue(m_text, m_pos));
        return false;
    }
    if (isPositionKeyword(m_attribute->keyword())
        && (!Convert::isInt(value) || uint(Convert::toInt(value)) > 1000u)) {
        setError(LocaleMessage::invalidAttributeValue(m_text, m_pos));
        return false;
    }
    return true;
}

bool SelectorBuilder::readJoin()
{
    const QChar c = m_text.at(m_pos);
    const bool last = m_pos + 1 == m_length;
    if (c == QLatin1Char(']')) {
        if (last) {
            m_pos = m_length;
            m_state = StateDone;
            return true;
        }
        if (m_text.at(m_pos + 1) == QLatin1Char(':')) {
            m_pos += 2;
            m_state = StateNextStep;
            return true;
        }
        setError(LocaleMessage::invalidCharacter(m_text, m_pos));
        return false;
    }
    if (c == QLatin1Char('&') || c == QLatin1Char('|')) {
        if (last) {
            setError(LocaleMessage::incompleteSelector(m_text));
            return false;
        }
        if (m_text.at(m_pos + 1) != c) {
            setError(LocaleMessage::invalidCharacter(m_text, m_pos));
            return false;
        }
        m_pos += 2;
        m_attribute = nullptr;
        m_state = StateName;
        return setJoin(c == QLatin1Char('&') ? Selector::JoinAll : Selector::JoinAny);
    }
    setError(LocaleMessage::invalidCharacter(m_text, m_pos));
    return false;
}

bool SelectorBuilder::setJoin(int join)
{
    if (m_selector->join() == Selector::JoinUnset) {
        m_selector->setJoin(join);
        return true;
    }
    if (m_selector->join() == join)
        return true;
    setError(LocaleMessage::invalidOperator(m_text, m_pos));
    return false;
}

void SelectorBuilder::setError(const QString& text)
{
    m_error = new SelectorError(this);
    m_error->setText(text);
    m_error->setTitle(LocaleMessage::invalidSelectors());
}

} // namespace Vexal
