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
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCategory.h"
#include "data/DBCategoryList.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleMessage.h"

#include <algorithm>

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

void DelegateSubmitter::fillSelector(const SelectorList* list, const QStringList& otherTexts, bool digits)
{
    const PageElement element = firstFound(list);
    if (element.isNull()) {
        if (list && m_everyBoxNeeded)
            m_unfound << list->caption();
        return;
    }
    useForm(element);
    if (!list->values().isEmpty())
        m_fill->pick(element, list->values());
    else
        m_fill->write(element, list->value(), otherTexts, digits);
    noteResults(list->caption());
}

void DelegateSubmitter::noteResults(const QString& caption)
{
    for (const SmartFill::Result& result : m_fill->takeResults())
        m_done.append({result.box, result.outcome, result.limit, result.size, caption});
    m_checked = false;
}

void DelegateSubmitter::useRecognised(SmartMaster& smart)
{
    m_controls = smart.elements();
    m_root = smart.labelRoot();
    m_fill->useLabels(smart.labelRoot(), smart.labels(), &smart);
}

void DelegateSubmitter::useForm(const PageElement& box)
{
    if (m_root.isNull())
        m_root = SmartFill::formOf(box);
}

bool DelegateSubmitter::took(const QString& caption) const
{
    bool found = false;
    for (const Done& done : m_done) {
        if (done.caption != caption)
            continue;
        if (done.outcome != SmartFill::Written)
            return false;
        found = true;
    }
    return found;
}

QString DelegateSubmitter::whyEmpty(const PageElement& box) const
{
    for (int i = m_done.size() - 1; i >= 0; --i) {
        if (!(m_done.at(i).box == box))
            continue;
        switch (m_done.at(i).outcome) {
        case SmartFill::NoValue:
            return LocaleMessage::emptyNoValue();
        case SmartFill::NoOption:
            return LocaleMessage::emptyNoOption();
        case SmartFill::Unticked:
            return LocaleMessage::emptyUnticked();
        default:
            return LocaleMessage::emptyNotKept();
        }
    }
    if (m_controls.isEmpty())
        return LocaleMessage::emptyNotInTemplate();
    for (const SmartElement* control : m_controls) {
        if (!(control->element() == box))
            continue;
        if (control->kind() == SmartElement::KindCaptcha)
            return QString();
        if (control->asksUser())
            return control->type() == SmartElement::TypeCheckBox ? LocaleMessage::emptyTickIfYouAgree()
                                                                 : LocaleMessage::emptyAsksUser();
    }
    return LocaleMessage::emptyNotRecognised();
}

bool DelegateSubmitter::leftUndone()
{
    if (m_checked)
        return !m_misfits.isEmpty() || !m_empty.isEmpty() || !m_unwritten.isEmpty();
    m_checked = true;
    m_misfits.clear();
    m_empty.clear();
    m_unwritten.clear();
    PageElements misfits;
    PageElements needed;
    for (const Done& done : m_done) {
        if (done.outcome == SmartFill::TakesNoText) {
            m_unwritten << LocaleMessage::boxLeftEmpty(done.caption, LocaleMessage::takesNoText());
        } else if (done.outcome == SmartFill::DoesNotFit) {
            if (misfits.contains(done.box))
                continue;
            misfits << done.box;
            m_misfits << LocaleMessage::valueDoesNotFit(m_fill->labelOf(done.box, m_root), done.limit, done.size);
        } else if (m_everyBoxNeeded) {
            needed << done.box;
        }
    }
    // A box recognition left for the user to tick if he agrees is named
    // whether or not the page requires it.
    for (const SmartElement* control : m_controls) {
        if (control->asksUser() && control->type() == SmartElement::TypeCheckBox)
            needed << control->element();
    }
    for (const PageElement& box : m_fill->leftEmpty(m_root, needed)) {
        const QString reason = misfits.contains(box) ? QString() : whyEmpty(box);
        if (!reason.isEmpty())
            m_empty << LocaleMessage::boxLeftEmpty(m_fill->labelOf(box, m_root), reason);
    }
    // A field found nowhere, unless a box of its name is named already.
    for (const QString& caption : qAsConst(m_unfound)) {
        const QString named = LocaleMessage::boxLeftEmpty(caption, QString());
        if (std::none_of(m_empty.cbegin(), m_empty.cend(),
                         [&](const QString& line) { return line.startsWith(named, Qt::CaseInsensitive); }))
            m_empty << LocaleMessage::boxLeftEmpty(caption, LocaleMessage::emptyNoBox());
    }
    return !m_misfits.isEmpty() || !m_empty.isEmpty() || !m_unwritten.isEmpty();
}

void DelegateSubmitter::tellUndone(const QString& notice)
{
    leftUndone();
    QStringList parts;
    if (!notice.isEmpty())
        parts << notice;
    if (!m_misfits.isEmpty())
        parts << LocaleMessage::valuesDoNotFit(m_misfits.join(QLatin1Char('\n')));
    if (!m_empty.isEmpty())
        parts << LocaleMessage::boxesLeftEmpty(m_empty.join(QLatin1Char('\n')));
    if (!m_unwritten.isEmpty())
        parts << LocaleMessage::fieldsNotWritten(m_unwritten.join(QLatin1Char('\n')));
    if (m_whenFilled) {
        const QString said = m_whenFilled(*this);
        if (!said.isEmpty())
            parts << said;
        m_whenFilled = nullptr;
    }
    m_done.clear();
    m_unfound.clear();
    m_misfits.clear();
    m_empty.clear();
    m_unwritten.clear();
    m_checked = false;
    if (!parts.isEmpty())
        UtilSignalManager::instance()->emitError(parts.join(QLatin1Char('\n')));
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
        if (m_everyBoxNeeded)
            m_unfound << caption;
        return;
    }
    for (const SmartElement* element : SmartElement::elementsOfKind(elements, kind)) {
        // A question that tests the user is his to answer.
        if (!element->asksUser())
            m_fill->write(element, elements, value, otherTexts, digits);
    }
    noteResults(caption);
}

void DelegateSubmitter::selectKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                                   const QStringList& values)
{
    if (!SmartElement::containsKind(elements, kind)) {
        Logger::info(LocaleMessage::fieldNotFound(caption));
        return;
    }
    // No texts choose nothing, and the boxes are told to have no value.
    for (const SmartElement* element : SmartElement::elementsOfKind(elements, kind))
        m_fill->choose(element->element(), values);
    noteResults(caption);
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
    for (int i = 0; i < lists.size(); ++i)
        fillSelector(lists.at(i), fields.at(i).otherTexts, fields.at(i).digits);
    tellUndone();
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
    tellUndone();
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
