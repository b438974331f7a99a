#include "automation/selector/SelectorManager.h"

#include "automation/selector/ConstSelector.h"
#include "automation/selector/SelectorLookup.h"
#include "core/Convert.h"

namespace Vexal {

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

SelectorManager::SelectorManager(PageDomHandle dom, QObject* parent)
    : QObject(parent)
    , m_dom(std::move(dom))
{
}

SelectorManager::~SelectorManager() = default;

bool SelectorManager::canWrite(const PageElement& element) const
{
    return m_dom && !element.isNull() && !m_dom->documentElement().isNull();
}

int SelectorManager::elementType(const PageElement& element)
{
    const QString tag = element.tagName();
    if (sameName(tag, ConstSelector::tagInput())) {
        const QString type = element.attribute(ConstSelector::attrType());
        if (sameName(type, ConstSelector::upperCheckbox()))
            return TypeCheckbox;
        if (sameName(type, ConstSelector::upperRadio()))
            return TypeRadio;
        return TypeInput;
    }
    if (sameName(tag, ConstSelector::tagTextarea()))
        return TypeTextarea;
    if (sameName(tag, ConstSelector::tagSelect()))
        return TypeSelect;
    if (sameName(tag, ConstSelector::tagIframe()))
        return TypeIframe;
    if (sameName(tag, ConstSelector::tagBody()))
        return TypeBody;
    return TypeOther;
}

PageElement SelectorManager::frameOf(const PageElement& element) const
{
    return SelectorLookup::frameOf(element.dom(), element);
}

void SelectorManager::setValue(const PageElement& element, const QString& value)
{
    if (!canWrite(element))
        return;
    switch (elementType(element)) {
    case TypeInput: setValueAttribute(element, value); break;
    case TypeCheckbox:
    case TypeRadio: setChecked(element, value); break;
    case TypeTextarea: setText(element, value); break;
    case TypeSelect: selectIndex(element, value); break;
    case TypeIframe:
    case TypeBody: setRichText(element, value); break;
    default: break;
    }
}

void SelectorManager::setValueAttribute(const PageElement& element, const QString& value)
{
    element.dom()->setValue(element, value);
}

void SelectorManager::setChecked(const PageElement& element, const QString& value)
{
    element.dom()->setChecked(element, Convert::toBool(value));
}

void SelectorManager::setText(const PageElement& element, const QString& value)
{
    element.dom()->setPlainText(element, value);
}

void SelectorManager::selectIndex(const PageElement& element, const QString& value)
{
    if (!Convert::isIndex(value))
        return;
    element.dom()->selectIndex(element, Convert::toIndex(value));
}

PageElement SelectorManager::editorBody(const PageElement& element)
{
    PageDom* dom = element.dom();
    if (!dom)
        return PageElement();
    switch (elementType(element)) {
    case TypeIframe: {
        const PageElement frame = dom->frameDocument(element, true);
        return frame.isNull() ? PageElement() : dom->selectFirst(frame, ConstSelector::tagBody().toLower());
    }
    case TypeBody: return dom->frameElement(dom->documentOf(element)).isNull() ? PageElement() : element;
    default: return PageElement();
    }
}

void SelectorManager::setRichText(const PageElement& element, const QString& value)
{
    const PageElement body = editorBody(element);
    if (body.isNull())
        return;
    // The value may hold HTML on purpose (an article body), so it is not escaped.
    body.dom()->setMarkup(body, QStringLiteral("<p>") + value + QStringLiteral("</p>"));
}

void SelectorManager::selectOption(const PageElement& element, const QStringList& texts)
{
    if (!canWrite(element) || elementType(element) != TypeSelect || texts.isEmpty())
        return;
    selectOptionByTexts(element, texts);
}

void SelectorManager::selectOptionByTexts(const PageElement& element, const QStringList& texts)
{
    const PageElements options = element.dom()->select(element, ConstSelector::tagOption().toLower());
    const int count = options.count();
    for (int i = 0; i < count; ++i) {
        const QString text = options.at(i).toPlainText();
        for (const QString& wanted : texts) {
            if (sameName(text, wanted)) {
                element.dom()->selectIndex(element, i);
                return;
            }
        }
    }
}

void SelectorManager::click(const PageElement& element)
{
    if (!canWrite(element))
        return;
    if (sameName(element.tagName(), ConstSelector::tagForm()))
        element.dom()->submit(element);
    else
        element.dom()->click(element);
}

} // namespace Vexal
