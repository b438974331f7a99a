#include "automation/submit/DelegateSubmitter.h"

#include "automation/selector/ConstSelector.h"
#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorError.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "automation/selector/SelectorManager.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartError.h"
#include "automation/smart/SmartFill.h"
#include "automation/smart/SmartMaster.h"
#include "automation/smart/SmartUtils.h"
#include "automation/submit/SmartContentValues.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCategory.h"
#include "data/DBCategoryList.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

DelegateSubmitter::DelegateSubmitter(const PageDomHandle& page, QObject* parent)
    : DelegateBase(nullptr, parent)
    , m_dom(page)
{
    m_builder = new SelectorBuilder(this);
    m_manager = new SelectorManager(m_dom, this);
    m_lookup = new SelectorLookup(m_dom, this);
    m_fill = std::make_unique<SmartFill>(m_manager);
}

DelegateSubmitter::~DelegateSubmitter() = default;

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

void DelegateSubmitter::fillSelector(const SelectorList* list, const QStringList& otherTexts, bool digits, int shape)
{
    SmartFillReport& report = m_fill->report();
    const PageElement element = firstFound(list);
    if (element.isNull()) {
        if (list)
            report.noteNoBox(list->caption());
        return;
    }
    const PageElement form = SmartFill::formOf(element);
    report.setForm(form);
    if (!list->values().isEmpty())
        m_fill->pick(element, list->values());
    else if (shape == 0 || form.isNull())
        m_fill->write(element, list->value(), otherTexts, digits);
    else
        m_fill->write(element, SmartContentValues::forBox(shape, element, m_fill->labelsOf(form), list->value()),
                      otherTexts, digits);
}

void DelegateSubmitter::useRecognised(SmartMaster& smart)
{
    m_fill->useLabels(smart.labelRoot(), smart.labels(), &smart);
    m_fill->report().setForm(smart.labelRoot());
    m_fill->report().setRecognised(smart.elements());
}

const SmartFillReport& DelegateSubmitter::report() const
{
    return m_fill->report();
}

void DelegateSubmitter::needEveryBox()
{
    m_fill->report().needEveryBox();
}

bool DelegateSubmitter::leftUndone()
{
    return !m_fill->undone().isEmpty();
}

void DelegateSubmitter::tell(const QStringList& first, bool untilClosed)
{
    QStringList parts = first;
    const QStringList& undone = m_fill->undone();
    parts << undone;
    const QString filled = undone.isEmpty() && m_fill->report().finished() ? filledNotice() : QString();
    m_fill->report().clear();
    if (parts.isEmpty()) {
        if (!filled.isEmpty())
            UtilSignalManager::instance()->emitInfo(filled);
        return;
    }
    if (!filled.isEmpty())
        parts << filled;
    UtilSignalManager::instance()->emitError(parts.join(QLatin1Char('\n')), untilClosed);
}

bool DelegateSubmitter::clickSelector(const SelectorList* list)
{
    const PageElement element = firstFound(list);
    if (element.isNull())
        return false;
    m_manager->click(element);
    return true;
}

void DelegateSubmitter::fillKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                                 const QString& value, const QStringList& otherTexts, bool digits)
{
    if (!SmartElement::containsKind(elements, kind)) {
        Logger::info(LocaleMessage::fieldNotFound(caption));
        m_fill->report().noteNoBox(caption);
        return;
    }
    m_fill->report().startField(kind, caption);
    for (const SmartElement* element : SmartElement::elementsOfKind(elements, kind)) {
        // A question that tests the user is his to answer.
        if (!element->asksUser())
            m_fill->write(element, elements, value, otherTexts, digits);
    }
}

void DelegateSubmitter::selectKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                                   const QStringList& values)
{
    if (!SmartElement::containsKind(elements, kind)) {
        Logger::info(LocaleMessage::fieldNotFound(caption));
        return;
    }
    // No texts choose nothing, and the boxes are told to have no value.
    m_fill->report().startField(kind, caption);
    for (const SmartElement* element : SmartElement::elementsOfKind(elements, kind))
        m_fill->choose(element->element(), values);
}

bool DelegateSubmitter::clickSubmit(const QList<SmartElement*>& elements)
{
    const QList<SmartElement*> submits = SmartElement::elementsOfKind(elements, SmartElement::KindSubmit);
    if (submits.isEmpty()) {
        Logger::info(LocaleMessage::fieldNotFound(LocaleDelegate::submit()));
        return false;
    }
    m_manager->click(submits.first()->element());
    return true;
}

QStringList DelegateSubmitter::categoryNames(qint64 categoryId)
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

bool DelegateSubmitter::parseFields(const DBBase* templ, const QList<TemplateField>& fields,
                                    QList<SelectorList*>& lists)
{
    lists.clear();
    for (const TemplateField& field : fields) {
        if (field.useValues)
            m_builder->build(field.where, field.caption, field.values);
        else
            m_builder->build(field.where, field.caption, field.value);
        if (const SelectorError* error = m_builder->error()) {
            const QString text = LocaleMessage::templateSelectorInvalid(templ->name(), field.caption, error->text());
            Logger::error(text);
            UtilSignalManager::instance()->emitError(text);
            lists.clear();
            return false;
        }
        lists << m_builder->result();
    }
    return true;
}

bool DelegateSubmitter::fillFields(const DBBase* templ, const QList<TemplateField>& fields)
{
    QList<SelectorList*> lists;
    if (!parseFields(templ, fields, lists))
        return false;
    for (int i = 0; i < lists.size(); ++i) {
        m_fill->report().startField(fields.at(i).field, fields.at(i).caption);
        fillSelector(lists.at(i), fields.at(i).otherTexts, fields.at(i).digits, fields.at(i).shape);
    }
    m_fill->report().finish();
    return true;
}

void DelegateSubmitter::fillSmartFields(const QList<SmartElement*>& elements, const QList<SmartField>& fields)
{
    for (const SmartField& field : fields) {
        if (field.quiet && !SmartElement::containsKind(elements, field.where))
            continue;
        if (field.useValues)
            selectKind(elements, field.where, field.caption, field.values);
        else
            fillKind(elements, field.where, field.caption, field.value, field.otherTexts, field.digits);
    }
    m_fill->report().finish();
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
