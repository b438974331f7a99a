#include "automation/DelegateSubmitter.h"

#include "automation/ConstSelector.h"
#include "automation/SelectorBuilder.h"
#include "automation/SelectorError.h"
#include "automation/SelectorList.h"
#include "automation/SelectorLookup.h"
#include "automation/SelectorManager.h"
#include "automation/SmartElement.h"
#include "automation/SmartError.h"
#include "automation/SmartMaster.h"
#include "automation/SmartUtils.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCategory.h"
#include "data/DBCategoryList.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleMessage.h"

#include "core/Convert.h"
#include "shell/PageDomFactory.h"

#include <QRegularExpression>

namespace Vexal {

DelegateSubmitter::DelegateSubmitter(QWebView* view, QObject* parent)
    : DelegateBase(nullptr, parent)
    , m_dom(PageDomFactory::forView(view))
{
    m_builder = new SelectorBuilder(this);
    m_manager = new SelectorManager(m_dom, this);
    m_lookup = new SelectorLookup(m_dom, this);
}

DelegateSubmitter::~DelegateSubmitter() = default;

QWebView* DelegateSubmitter::view() const
{
    return PageDomFactory::viewOf(m_dom.get());
}

bool DelegateSubmitter::buildSelector(const QString& selector, const QString& caption, const QStringList& values)
{
    return buildSelector(selector, caption, values, nullptr);
}

bool DelegateSubmitter::buildSelector(const QString& selector, const QString& caption, const QString& value)
{
    return buildSelector(selector, caption, value, nullptr);
}

namespace {

bool builtOrReport(SelectorBuilder* builder, SelectorList** list)
{
    if (SelectorError* error = builder->error()) {
        Logger::error(error->text());
        UtilSignalManager::instance()->emitError(error->title().isEmpty() ? LocaleMessage::invalidSelectors()
                                                                          : error->title());
        if (list)
            *list = nullptr;
        return false;
    }
    if (list)
        *list = builder->result();
    return true;
}

} // namespace

bool DelegateSubmitter::buildSelector(const QString& selector, const QString& caption, const QStringList& values,
                                      SelectorList** list)
{
    m_builder->build(selector, caption, values);
    return builtOrReport(m_builder, list);
}

bool DelegateSubmitter::buildSelector(const QString& selector, const QString& caption, const QString& value,
                                      SelectorList** list)
{
    m_builder->build(selector, caption, value);
    return builtOrReport(m_builder, list);
}

PageElement DelegateSubmitter::firstFound(const SelectorList* list) const
{
    if (!list)
        return PageElement();
    const PageElements found = m_lookup->find(list);
    if (!m_lookup->error().isEmpty())
        Logger::error(m_lookup->error());
    if (found.isEmpty()) {
        Logger::info(LocaleMessage::fieldNotFound(list->caption()));
        return PageElement();
    }
    return found.first();
}

void DelegateSubmitter::fillSelector(const SelectorList* list, const QStringList& otherTexts, bool digits)
{
    const PageElement element = firstFound(list);
    if (element.isNull())
        return;
    if (!list->values().isEmpty())
        chooseOption(element, list->values());
    else
        writeValue(element, list->value(), otherTexts, digits);
}

namespace {

bool isIndentMark(QChar c)
{
    return c.isSpace() || c == QLatin1Char('|') || c == QLatin1Char('_') || c == QLatin1Char('-')
        || c == QLatin1Char('.') || c == QLatin1Char('>') || c == QLatin1Char('*') || c == QChar(0x00BB)
        || c == QChar(0x00B7) || c == QChar(0x2022) || c == QChar(0x2013) || c == QChar(0x2014)
        || c == QChar(0x2212) || (c.unicode() >= 0x2500 && c.unicode() <= 0x257F);
}

bool isSign(QChar c)
{
    return c == QLatin1Char('-') || c == QChar(0x2212);
}

QString valueKey(const QString& value)
{
    return value.simplified().toCaseFolded();
}

// The words of a text, lower case, split at everything but letters and digits.
QStringList wordsOf(const QString& text)
{
    QStringList words;
    QString word;
    const QString folded = text.toCaseFolded() + QLatin1Char(' ');
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words;
}

// A text that asks for a choice instead of being one: nothing but marks,
// a request ("Select...", "Choose one") or the bare name of the field
// ("Month", "Year of birth", "Your country").
bool isPromptText(const QString& text)
{
    static const QStringList requests{QStringLiteral("select"), QStringLiteral("choose"), QStringLiteral("pick"),
                                      QStringLiteral("please")};
    static const QStringList fields{
        QStringLiteral("month"),  QStringLiteral("day"),      QStringLiteral("year"),   QStringLiteral("mm"),
        QStringLiteral("dd"),     QStringLiteral("yy"),       QStringLiteral("yyyy"),   QStringLiteral("date"),
        QStringLiteral("birth"),  QStringLiteral("dob"),      QStringLiteral("gender"), QStringLiteral("sex"),
        QStringLiteral("title"),  QStringLiteral("country"),  QStringLiteral("state"),  QStringLiteral("province"),
        QStringLiteral("region"), QStringLiteral("category"), QStringLiteral("your"),   QStringLiteral("of"),
        QStringLiteral("the"),    QStringLiteral("a"),        QStringLiteral("an")};
    const QStringList words = wordsOf(text);
    for (const QString& word : words) {
        if (requests.contains(word))
            return true;
    }
    for (const QString& word : words) {
        if (!fields.contains(word))
            return false;
    }
    return true;
}

// The parts of a text written as a path: "Computers > Internet",
// "Computers/Internet", "Computers » Internet", "Computers::Internet"; a text
// that is no path is its one part.
QStringList pathParts(const QString& text)
{
    static const QRegularExpression separator(QStringLiteral("\\s*(?:>|::|/|\\\\|\u00BB|\u203A|\u2192)\\s*"));
    QStringList parts = text.split(separator, Qt::SkipEmptyParts);
    return parts.size() > 1 ? parts : QStringList{text};
}

} // namespace

QString DelegateSubmitter::optionKey(const QString& text)
{
    QString key = text;
    key.replace(QChar(0x00A0), QLatin1Char(' '));
    key = key.simplified();
    // Tree and indent marks before the name: "|___ ", "-- ", "» ", "└─ ".
    // A sign before a number is part of it: "-1" is no "1".
    int start = 0;
    while (start < key.size() && isIndentMark(key.at(start))) {
        if (isSign(key.at(start)) && start + 1 < key.size() && key.at(start + 1).isDigit())
            break;
        ++start;
    }
    return pathParts(key.mid(start).toCaseFolded()).join(QLatin1Char('>'));
}

bool DelegateSubmitter::isPlaceholder(const PageElement& option)
{
    if (!option.hasAttribute(QStringLiteral("value")))
        return false;
    const QString value = option.attribute(QStringLiteral("value")).trimmed();
    const bool noValue = value.isEmpty() || value == QLatin1String("-1") || value == QLatin1String("0")
        || wordsOf(value).isEmpty();
    return noValue && isPromptText(option.toPlainText());
}

bool DelegateSubmitter::chooseOption(const PageElement& select, const QStringList& wanted)
{
    if (select.isNull() || SelectorManager::elementType(select) != SelectorManager::TypeSelect)
        return false;
    QStringList keys;
    for (const QString& text : wanted) {
        const QString key = optionKey(text);
        if (!key.isEmpty())
            keys << key;
    }
    if (keys.isEmpty())
        return false;
    PageDom* dom = select.dom();
    const PageElements options = dom->select(select, QStringLiteral("option"));
    // The one option whose path ends in a wanted text; -2 when several do.
    int lastPart = -1;
    for (int i = 0; i < options.count(); ++i) {
        const PageElement& option = options.at(i);
        // A placeholder is never the choice, whatever its value.
        if (isPlaceholder(option))
            continue;
        const QString text = optionKey(option.toPlainText());
        const QString value = option.hasAttribute(QStringLiteral("value"))
            ? valueKey(option.attribute(QStringLiteral("value"))) : QString();
        if (keys.contains(text) || (!value.isEmpty() && keys.contains(value))) {
            dom->selectIndex(select, i);
            return true;
        }
        const int end = text.lastIndexOf(QLatin1Char('>'));
        if (end >= 0 && lastPart != -2 && keys.contains(text.mid(end + 1)))
            lastPart = lastPart == -1 ? i : -2;
    }
    if (lastPart < 0)
        return false;
    dom->selectIndex(select, lastPart);
    return true;
}

void DelegateSubmitter::writeValue(const PageElement& element, const QString& value, const QStringList& otherTexts,
                                   bool digits, const PageElements& taken)
{
    const int type = SelectorManager::elementType(element);
    if (type == SelectorManager::TypeSelect && !Convert::isIndex(value)) {
        chooseOption(element, QStringList{value} + otherTexts);
        return;
    }
    // An editor inside a frame of a frame is out of the manager's reach.
    if (type == SelectorManager::TypeIframe && m_manager->frameOf(element).isNull()) {
        const PageElement frame = element.dom()->frameDocument(element, true);
        const PageElement body =
            frame.isNull() ? PageElement() : frame.dom()->selectFirst(frame, QStringLiteral("body"));
        if (!body.isNull())
            body.dom()->setMarkup(body, QStringLiteral("<p>") + value + QStringLiteral("</p>"));
        return;
    }
    if (type == SelectorManager::TypeInput || type == SelectorManager::TypeTextarea) {
        writeText(element, value, digits, taken);
        return;
    }
    m_manager->setValue(element, value);
}

int DelegateSubmitter::maxLength(const PageElement& box)
{
    bool ok = false;
    const int limit = box.attribute(QStringLiteral("maxlength")).trimmed().toInt(&ok);
    return ok && limit >= 0 ? limit : -1;
}

namespace {

// The digits of a number in a way a form may ask for them, and how many
// of them make the country code that boxes must give a box of its own.
struct Digits {
    QString digits;
    int code;
};

// All digits; for a number written "+<country code> ..." (or "00<code>
// ..."), all digits with the country code in boxes of its own, and the
// digits after the country code.
QVector<Digits> digitsOf(const QString& number)
{
    QString all;
    for (const QChar c : number) {
        if (c.isDigit())
            all += c;
    }
    static const QRegularExpression international(
        QStringLiteral("^\\s*(\\+|00)\\s*(\\d{1,4})[\\s\\-./()]+\\d"));
    const QRegularExpressionMatch match = international.match(number);
    if (!match.hasMatch())
        return {{all, 0}};
    // "00" stands among the digits, "+" does not.
    const int code = (match.captured(1) == QLatin1String("00") ? 2 : 0) + match.captured(2).size();
    return {{all, code}, {all.mid(code), 0}};
}

// A text box a number may be typed into.
bool isNumberBox(const PageElement& element)
{
    if (SelectorManager::elementType(element) != SelectorManager::TypeInput)
        return false;
    const QString type = element.attribute(QStringLiteral("type")).trimmed().toLower();
    return type.isEmpty() || type == QLatin1String("text") || type == QLatin1String("tel")
        || type == QLatin1String("number");
}

// The controls of the row the box stands in, in document order: those of
// its parent, or of the parent's parent where the parent holds the box
// alone (each box wrapped in an element of its own).
PageElements rowControls(const PageElement& box)
{
    PageDom* dom = box.dom();
    PageElements controls;
    PageElement row = box.parent();
    for (int level = 0; level < 2 && !row.isNull(); ++level, row = row.parent()) {
        controls.clear();
        for (const PageElement& element : dom->select(row, QStringLiteral("*"))) {
            if (SmartUtils::isControlTag(element.tagName()))
                controls << element;
        }
        if (controls.size() > 1)
            break;
    }
    return controls;
}

} // namespace

void DelegateSubmitter::writeText(const PageElement& box, const QString& value, bool digits,
                                  const PageElements& taken)
{
    QString text = value;
    const int at = text.indexOf(QLatin1Char('@'));
    if (at >= 0 && asksLocalPart(box)) {
        // The page gives the "@" and the domain.
        if (at == 0)
            return;
        text.truncate(at);
    }
    const int limit = maxLength(box);
    if (limit < 0 || text.size() <= limit) {
        m_manager->setValue(box, text);
        return;
    }
    if (!digits)
        return;
    // The boxes from this one on, while each is a number box that takes a
    // set number of characters and is no other field's.
    const PageElements controls = rowControls(box);
    const int first = controls.indexOf(box);
    QVector<int> limits;
    QVector<int> sums;
    const QVector<Digits> ways = digitsOf(text);
    for (int i = first; first >= 0 && i < controls.size(); ++i) {
        const PageElement& next = controls.at(i);
        const int nextLimit = maxLength(next);
        if (nextLimit <= 0 || !isNumberBox(next) || (i > first && taken.contains(next)))
            return;
        limits << nextLimit;
        sums << (sums.isEmpty() ? 0 : sums.last()) + nextLimit;
        for (const Digits& way : ways) {
            if (way.digits.size() != sums.last() || (way.code > 0 && !sums.contains(way.code)))
                continue;
            int from = 0;
            for (int j = 0; j < limits.size(); ++j) {
                m_manager->setValue(controls.at(first + j), way.digits.mid(from, limits.at(j)));
                from += limits.at(j);
            }
            return;
        }
    }
}

namespace {

bool startsWithDomain(const QString& text)
{
    static const QRegularExpression domain(
        QStringLiteral("^\\s*@\\s*[\\w-]+(?:\\.[\\w-]+)+"),
        QRegularExpression::UseUnicodePropertiesOption);
    return domain.match(text).hasMatch();
}

// The text of markup as the page shows it, for the few entities that stand
// around an "@".
QString shownText(QString markup)
{
    markup.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    markup.replace(QLatin1String("&#64;"), QLatin1String("@"));
    markup.replace(QLatin1String("&#x40;"), QLatin1String("@"));
    markup.replace(QLatin1String("&commat;"), QLatin1String("@"));
    markup.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return markup;
}

// The text that follows the box in its parent up to the next control or
// line break, read from the parent's markup; "stop" is the tag that ended it
// (empty at the parent's end). False when the markup does not place the box.
bool textAfter(const PageElement& box, QString* text, QString* stop)
{
    PageDom* dom = box.dom();
    const PageElement parent = box.parent();
    if (parent.isNull())
        return false;
    const QString inner = dom->markup(parent);
    const QString own = dom->outerMarkup(box);
    const int at = own.isEmpty() ? -1 : inner.indexOf(own);
    if (at < 0 || inner.indexOf(own, at + 1) >= 0)
        return false;
    int i = at + own.size();
    while (i < inner.size()) {
        const int open = inner.indexOf(QLatin1Char('<'), i);
        *text += inner.mid(i, open < 0 ? -1 : open - i);
        if (open < 0)
            break;
        const int close = inner.indexOf(QLatin1Char('>'), open);
        if (close < 0)
            break;
        int end = open + 1;
        while (end < close && inner.at(end).isLetterOrNumber())
            ++end;
        const QString tag = inner.mid(open + 1, end - open - 1);
        if (SmartUtils::isControlTag(tag) || tag.compare(QLatin1String("br"), Qt::CaseInsensitive) == 0) {
            *stop = tag.toLower();
            break;
        }
        i = close + 1;
    }
    *text = shownText(*text);
    return true;
}

} // namespace

bool DelegateSubmitter::asksLocalPart(const PageElement& box)
{
    QString text;
    QString stop;
    if (textAfter(box, &text, &stop)) {
        if (startsWithDomain(text))
            return true;
        // "@" and a choice list of the domains.
        if (text.trimmed() == QLatin1String("@") && stop == QLatin1String("select"))
            return true;
        // The box ends its cell; the next cell may hold the domain.
        const PageElement next = box.parent().nextSibling();
        return text.trimmed().isEmpty() && stop.isEmpty() && !next.isNull() && startsWithDomain(next.toPlainText());
    }
    const PageElement next = box.nextSibling();
    return startsWithDomain(box.dom()->labelText(box))
        || (!next.isNull() && !SmartUtils::isControlTag(next.tagName()) && startsWithDomain(next.toPlainText()));
}

void DelegateSubmitter::clickSelector(const SelectorList* list)
{
    const PageElement element = firstFound(list);
    if (!element.isNull())
        m_manager->click(element);
}

void DelegateSubmitter::fillKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                                 const QString& value, const QStringList& otherTexts, bool digits)
{
    if (!SmartUtils::containsKind(elements, kind)) {
        Logger::info(LocaleMessage::fieldNotFound(caption));
        return;
    }
    // The controls recognised as other fields, which a number split over
    // boxes never reaches into.
    PageElements taken;
    for (const SmartElement* element : elements) {
        if (digits && element->kind() != kind && element->kind() != SmartElement::KindUndef
            && element->kind() != SmartElement::KindTrash)
            taken << element->element();
    }
    for (const SmartElement* element : SmartUtils::elementsOfKind(elements, kind))
        writeValue(element->element(), value, otherTexts, digits, taken);
}

bool DelegateSubmitter::boxNamed(const PageElement& box, const QStringList& wanted)
{
    const QString text = optionKey(box.dom()->labelText(box));
    const QString value = valueKey(box.attribute(QStringLiteral("value")));
    for (const QString& name : wanted) {
        const QString key = optionKey(name);
        if (!key.isEmpty() && (key == text || key == value))
            return true;
    }
    return false;
}

void DelegateSubmitter::choose(const PageElement& element, const QStringList& wanted)
{
    if (SelectorManager::elementType(element) != SelectorManager::TypeCheckbox) {
        chooseOption(element, wanted);
        return;
    }
    if (boxNamed(element, wanted))
        m_manager->setValue(element, textTrue());
}

void DelegateSubmitter::selectKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                                   const QStringList& values)
{
    if (!SmartUtils::containsKind(elements, kind)) {
        Logger::info(LocaleMessage::fieldNotFound(caption));
        return;
    }
    if (values.isEmpty())
        return;
    for (const SmartElement* element : SmartUtils::elementsOfKind(elements, kind))
        choose(element->element(), values);
}

void DelegateSubmitter::clickSubmit(const QList<SmartElement*>& elements)
{
    const QList<SmartElement*> submits = SmartUtils::elementsOfKind(elements, SmartElement::KindSubmit);
    if (submits.isEmpty()) {
        Logger::info(LocaleMessage::fieldNotFound(LocaleDelegate::submit()));
        return;
    }
    m_manager->click(submits.first()->element());
}

QStringList DelegateSubmitter::categoryNames(int categoryId)
{
    QStringList names;
    // No category: nothing to choose (every top-level name would match some option).
    if (categoryId < 0)
        return names;
    DBCategoryList list(categoryId);
    if (!list.load()) {
        Logger::error(list.errorText());
        UtilSignalManager::instance()->emitError(LocaleDelegate::unexpectedError());
    }
    for (int i = 0; i < list.count(); ++i) {
        if (const DBCategory* category = list.at(i))
            names << category->name();
    }
    return names;
}

bool DelegateSubmitter::parseFields(const QList<TemplateField>& fields, QList<SelectorList*>& lists)
{
    lists.clear();
    for (const TemplateField& field : fields) {
        SelectorList* list = nullptr;
        const bool ok = field.useValues ? buildSelector(field.selector, field.caption, field.values, &list)
                                        : buildSelector(field.selector, field.caption, field.value, &list);
        if (!ok) {
            lists.clear();
            return false;
        }
        lists << list;
    }
    return true;
}

bool DelegateSubmitter::fillFields(const QList<TemplateField>& fields)
{
    QList<SelectorList*> lists;
    if (!parseFields(fields, lists))
        return false;
    for (int i = 0; i < lists.size(); ++i)
        fillSelector(lists.at(i), fields.at(i).otherTexts, fields.at(i).digits);
    return true;
}

void DelegateSubmitter::fillSmartFields(const QList<SmartElement*>& elements, const QList<SmartField>& fields)
{
    for (const SmartField& field : fields) {
        if (field.quiet && !SmartUtils::containsKind(elements, field.kind))
            continue;
        if (field.useValues)
            selectKind(elements, field.kind, field.caption, field.values);
        else
            fillKind(elements, field.kind, field.caption, field.value, field.otherTexts, field.digits);
    }
}

bool DelegateSubmitter::checkSmartError(const SmartMaster* smart)
{
    if (const SmartError* error = smart->error()) {
        Logger::error(error->reason());
        UtilSignalManager::instance()->emitError(error->message());
        return false;
    }
    return true;
}

QString DelegateSubmitter::textTrue()
{
    return ConstSelector::valueTrue();
}

QString DelegateSubmitter::textFalse()
{
    return ConstSelector::valueFalse();
}

} // namespace Vexal
