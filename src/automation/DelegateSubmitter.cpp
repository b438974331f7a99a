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

namespace Vexal {

DelegateSubmitter::DelegateSubmitter(QWebView* view, QObject* parent)
    : DelegateBase(nullptr, parent)
    , m_dom(PageDomFactory::forView(view))
{
    m_builder = new SelectorBuilder(this);
    m_manager = new SelectorManager(m_dom.get(), this);
    m_lookup = new SelectorLookup(m_dom.get(), this);
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

void DelegateSubmitter::fillSelector(const SelectorList* list, const QStringList& otherTexts)
{
    const PageElement element = firstFound(list);
    if (element.isNull())
        return;
    if (!list->values().isEmpty())
        chooseOption(element, list->values());
    else
        writeValue(element, list->value(), otherTexts);
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
    return key.mid(start).toCaseFolded();
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
    }
    return false;
}

void DelegateSubmitter::writeValue(const PageElement& element, const QString& value, const QStringList& otherTexts)
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
    m_manager->setValue(element, value);
}

void DelegateSubmitter::clickSelector(const SelectorList* list)
{
    const PageElement element = firstFound(list);
    if (!element.isNull())
        m_manager->click(element);
}

void DelegateSubmitter::fillKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                                 const QString& value, const QStringList& otherTexts)
{
    if (!SmartUtils::containsKind(elements, kind)) {
        Logger::info(LocaleMessage::fieldNotFound(caption));
        return;
    }
    for (const SmartElement* element : SmartUtils::elementsOfKind(elements, kind))
        writeValue(element->element(), value, otherTexts);
}

void DelegateSubmitter::fillKindWhenFound(const QList<SmartElement*>& elements, int kind, const QString& value)
{
    for (const SmartElement* element : SmartUtils::elementsOfKind(elements, kind))
        writeValue(element->element(), value);
}

void DelegateSubmitter::selectKindWhenFound(const QList<SmartElement*>& elements, int kind,
                                            const QStringList& values)
{
    for (const SmartElement* element : SmartUtils::elementsOfKind(elements, kind))
        choose(element->element(), values);
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
        fillSelector(lists.at(i), fields.at(i).otherTexts);
    return true;
}

void DelegateSubmitter::fillSmartFields(const QList<SmartElement*>& elements, const QList<SmartField>& fields)
{
    for (const SmartField& field : fields) {
        if (field.useValues)
            selectKind(elements, field.kind, field.caption, field.values);
        else
            fillKind(elements, field.kind, field.caption, field.value, field.otherTexts);
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
