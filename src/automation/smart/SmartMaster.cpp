#include "automation/smart/SmartMaster.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartElementLookup.h"
#include "automation/smart/SmartError.h"
#include "automation/smart/SmartFormAttribute.h"
#include "automation/smart/SmartFormField.h"
#include "automation/smart/SmartFormLookup.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelIds.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartOwnTexts.h"
#include "automation/smart/SmartUtils.h"
#include "texts/LocaleSmart.h"

namespace Vexal {

using E = SmartElement;

SmartMaster::SmartMaster(QObject* parent)
    : QObject(parent)
{
}

SmartMaster::~SmartMaster() = default;

void SmartMaster::setLogEnabled(bool enabled)
{
    m_logEnabled = enabled;
    SmartLog::instance()->setEnabled(enabled);
}

void SmartMaster::setError(const QString& reason, const QString& message)
{
    auto* error = new SmartError(this);
    error->setReason(reason);
    error->setMessage(message);
    m_error = error;
    SmartLog::instance()->error(reason);
}

bool SmartMaster::hasRecognised() const
{
    for (const SmartElement* element : m_elements) {
        const int kind = element->kind();
        if (kind != E::KindUndef && kind != E::KindTrash && kind != E::KindUser)
            return true;
    }
    return false;
}

void SmartMaster::run(const PageDomHandle& page, const Pipeline& pipeline)
{
    // A missing view, page or frame is a failed run like any other, so that
    // the caller reports it instead of taking an empty list as success.
    // Controls of an earlier run stay readable, whatever page it read: their
    // elements hold their page access.
    if (!page || page->documentElement().isNull()) {
        setError(QStringLiteral("View"), LocaleSmart::cannotRecognize());
        return;
    }
    run(*page, pipeline);
}

void SmartMaster::run(PageDom& page, const Pipeline& pipeline)
{
    m_ids = std::make_shared<SmartLabelIds>();
    SmartElementLookup walk(nullptr);
    for (int type : pipeline.types)
        walk.setAccepted(type, true);
    walk.setUnnamed(pipeline.unnamed);
    walk.lookup(page, this);
    walk.log(QStringLiteral("ELEMENTS"));

    QList<SmartElement*> found = walk.filteredElements();
    if (pipeline.unnamed) {
        // A button without a name still sends its form.
        for (int i = found.size() - 1; i >= 0; --i) {
            if (!found.at(i)->hasIdOrName() && !found.at(i)->sendsForm())
                found.removeAt(i);
        }
    }

    SmartFormLookup forms(nullptr);
    forms.lookup(found);
    forms.log(QStringLiteral("FORM"));

    if (pipeline.signUp && !dropCommentForms(forms))
        return;
    if (!(pipeline.skipSmallChoice && forms.elements().size() <= 3)) {
        if (!selectForm(&forms, pipeline.scoreTypes))
            return;
        forms.log(QStringLiteral("FORM"));
    }

    m_elements = forms.elements();
    if (m_elements.isEmpty()) {
        setError(LocaleSmart::emptySelectedForm(), LocaleSmart::cannotRecognize());
        return;
    }

    pipeline.classify(m_elements);
    dedupeKinds(m_elements, pipeline.repeatable);

    SmartLog* report = SmartLog::instance();
    report->newLine();
    report->writeLine(QStringLiteral("RESULTING"));
    report->writeKindSection(m_elements, QStringLiteral("Elements"));

    if (!hasRecognised()) {
        setError(LocaleSmart::noRecognizedElement(), LocaleSmart::cannotRecognize());
        return;
    }
    if (m_logEnabled)
        fillDemo(m_elements);
}

void SmartMaster::classifyWith(SmartForm form, QList<SmartElement*>& list)
{
    SmartFormAttribute attributes(form, nullptr);
    attributes.classifyElements(list);
    attributes.log(QStringLiteral("ATTRIBUTES"));
    SmartLabelLookup labels(nullptr);
    collectLabels(list, labels);
    SmartFormField fields(form, nullptr);
    fields.classifyElements(list, labels.labels());
}

void SmartMaster::collectLabels(QList<SmartElement*>& list, SmartLabelLookup& labels)
{
    const PageElement root = list.isEmpty() ? PageElement() : list.first()->form();
    labels.shareIds(m_ids);
    labels.lookup(root, this);
    labels.log(QStringLiteral("LABELS"));
    m_labels = labels.labels();
    m_labelRoot = root;
}

bool SmartMaster::removeUnplaced(SmartFormLookup* forms, const QString& emptyReason)
{
    if (forms->elements().isEmpty()) {
        setError(LocaleSmart::noVisibleElement(), LocaleSmart::cannotRecognize());
        return false;
    }
    forms->removeForm(0);
    if (forms->elements().isEmpty()) {
        setError(emptyReason, LocaleSmart::cannotRecognize());
        return false;
    }
    return true;
}

bool SmartMaster::isCommentForm(const SmartFormLookup& forms, int number) const
{
    // A form that asks more than a commenter gives (a name, an e-mail, a
    // website, a subject) is an order, a donation or a sign-up that takes a
    // note: its choice lists or its many boxes tell.
    PageElement container;
    int boxes = 0;
    for (const SmartElement* control : forms.elements()) {
        if (control->formNumber() != number)
            continue;
        if (control->type() == E::TypePassword || control->type() == E::TypeSelect)
            return false;
        if (control->type() == E::TypeText && ++boxes > CommenterBoxes)
            return false;
        container = control->form();
    }
    if (container.isNull() || container.dom()->selectFirst(container, ConstSmart::tagTextArea()).isNull())
        return false;
    // The text area's name or label says what it takes.
    const SmartKeywords& keywords = SmartKeywords::standard();
    QObject owner;
    SmartLabelLookup labels(nullptr);
    labels.shareIds(m_ids);
    labels.lookup(container, &owner);
    const QList<SmartLabel*>& entries = labels.labels();
    for (int i = 0; i < entries.size(); ++i) {
        const PageElement& area = entries.at(i)->element();
        if (entries.at(i)->isText() || !SmartUtils::equalsNoCase(area.tagName(), ConstSmart::tagTextArea()))
            continue;
        QStringList texts{area.attribute(ConstSmart::attrId()), area.attribute(ConstSmart::attrName()),
                          area.attribute(QStringLiteral("placeholder"))};
        for (const SmartLabel* text : SmartOwnTexts::textsBefore(entries, i) + SmartOwnTexts::ownTextsAfter(entries, i))
            texts << text->text();
        if (keywords.holdsAny(SmartKeywords::CommentBox, keywords.scan(texts.join(QLatin1Char(' ')))))
            return true;
    }
    return false;
}

bool SmartMaster::dropCommentForms(SmartFormLookup& forms)
{
    bool dropped = false;
    for (bool again = true; again;) {
        again = false;
        for (int number : forms.formNumbers()) {
            if (number != 0 && isCommentForm(forms, number)) {
                forms.removeForm(number);
                dropped = again = true;
                break;
            }
        }
    }
    if (!dropped)
        return true;
    for (const SmartElement* control : forms.elements()) {
        if (control->formNumber() != 0)
            return true;
    }
    setError(LocaleSmart::noMainForm(), LocaleSmart::cannotRecognize());
    return false;
}

bool SmartMaster::selectForm(SmartFormLookup* forms, const QList<int>& scoreTypes)
{
    if (!forms)
        return false;
    if (!removeUnplaced(forms, LocaleSmart::emptySelectedForm()))
        return false;
    if (forms->formCount() == 1)
        return true;
    const int best = forms->bestForm(scoreTypes);
    if (best >= 0)
        forms->keepForm(best);
    if (!forms->elements().isEmpty())
        return true;
    setError(LocaleSmart::noMainForm(), LocaleSmart::cannotRecognize());
    return false;
}

void SmartMaster::dedupeKinds(QList<SmartElement*>& list, QList<int> repeatable)
{
    QList<int> seen;
    for (SmartElement* element : list) {
        const int kind = element->kind();
        if (kind == E::KindUndef || repeatable.contains(kind) || element->continuesPrevious())
            continue;
        // The terms boxes were chosen by their own pass.
        if (kind == E::KindTerms && element->type() == E::TypeCheckBox)
            continue;
        // The boxes of a category list are one field.
        if (kind == E::KindCategory && element->type() == E::TypeCheckBox)
            continue;
        if (seen.contains(kind))
            element->setKind(E::KindTrash);
        else
            seen.append(kind);
    }
}

void SmartMaster::fillDemo(QList<SmartElement*>& list)
{
    if (!m_logEnabled)
        return;
    for (SmartElement* control : list) {
        const int kind = control->kind();
        if (kind == E::KindUndef)
            continue;
        // Each write sets the live state too, so that the page shows the
        // value even when a script or the user changed the field before.
        const PageElement& element = control->element();
        if (element.isNull())
            continue;
        PageDom* dom = element.dom();
        switch (control->type()) {
        case E::TypeText:
            dom->setValue(element,
                          kind == E::KindWebsite ? QStringLiteral("http://www.example.com/")
                                                 : LocaleSmart::kindName(kind));
            break;
        case E::TypePassword:
            dom->setValue(element, QStringLiteral("123"));
            break;
        case E::TypeCheckBox:
            dom->setChecked(element, kind == E::KindTerms);
            break;
        case E::TypeRadio:
            if (kind == E::KindFreeUrl)
                dom->setChecked(element, true);
            break;
        case E::TypeSelect:
            dom->selectIndex(element, 1);
            break;
        case E::TypeTextArea:
            dom->setPlainText(element, LocaleSmart::kindName(kind));
            break;
        default:
            break;
        }
    }
}

} // namespace Vexal
