#include "automation/SelectorManager.h"

#include "automation/ConstSelector.h"
#include "automation/SelectorLookup.h"
#include "core/Convert.h"

#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

namespace Vexal {

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString selectIndexScript(int index)
{
    return QStringLiteral("this.selectedIndex=%1;").arg(index);
}

} // namespace

SelectorManager::SelectorManager(QWebView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
}

bool SelectorManager::canWrite(const QWebElement& element) const
{
    return m_view && m_view->page() && m_view->page()->mainFrame() && !element.isNull();
}

int SelectorManager::elementType(const QWebElement& element)
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
    return TypeOther;
}

QWebFrame* SelectorManager::frameOf(const QWebElement& element) const
{
    return SelectorLookup::frameOf(m_view, element);
}

void SelectorManager::setValue(const QWebElement& element, const QString& value)
{
    if (!canWrite(element))
        return;
    switch (elementType(element)) {
    case TypeInput: setValueAttribute(element, value); break;
    case TypeCheckbox:
    case TypeRadio: setChecked(element, value); break;
    case TypeTextarea: setText(element, value); break;
    case TypeSelect: selectIndex(element, value); break;
    case TypeIframe: setRichText(element, value); break;
    default: break;
    }
}

void SelectorManager::setValueAttribute(QWebElement element, const QString& value)
{
    element.setAttribute(QStringLiteral("value"), value);
    element.evaluateJavaScript(QStringLiteral("this.value=this.getAttribute('value');"));
}

void SelectorManager::setChecked(QWebElement element, const QString& value)
{
    if (Convert::toBool(value))
        element.setAttribute(QStringLiteral("checked"), ConstSelector::valueTrue());
    else
        element.removeAttribute(QStringLiteral("checked"));
    element.evaluateJavaScript(QStringLiteral("this.checked=this.hasAttribute('checked');"));
}

void SelectorManager::setText(QWebElement element, const QString& value)
{
    element.setPlainText(value);
    element.evaluateJavaScript(QStringLiteral("this.value=this.defaultValue;"));
}

void SelectorManager::selectIndex(QWebElement element, const QString& value)
{
    if (!Convert::isIndex(value))
        return;
    element.evaluateJavaScript(selectIndexScript(Convert::toIndex(value)));
}

void SelectorManager::setRichText(const QWebElement& element, const QString& value)
{
    QWebFrame* frame = frameOf(element);
    if (!frame)
        return;
    QWebElement body = frame->findFirstElement(ConstSelector::tagBody().toLower());
    if (body.isNull())
        return;
    // The value may hold HTML on purpose (an article body), so it is not escaped.
    body.setInnerXml(QStringLiteral("<p>") + value + QStringLiteral("</p>"));
}

void SelectorManager::selectOption(const QWebElement& element, const QStringList& texts)
{
    if (!canWrite(element) || elementType(element) != TypeSelect || texts.isEmpty())
        return;
    selectOptionByTexts(element, texts);
}

void SelectorManager::selectOptionByTexts(QWebElement element, const QStringList& texts)
{
    const QWebElementCollection options = element.findAll(ConstSelector::tagOption().toLower());
    const int count = options.count();
    for (int i = 0; i < count; ++i) {
        const QString text = options.at(i).toPlainText();
        for (const QString& wanted : texts) {
            if (sameName(text, wanted)) {
                element.evaluateJavaScript(selectIndexScript(i));
                return;
            }
        }
    }
}

void SelectorManager::click(const QWebElement& element)
{
    if (!canWrite(element))
        return;
    QWebElement target = element;
    // A control named "submit" hides the form's own submit(); call the prototype's.
    if (sameName(element.tagName(), ConstSelector::tagForm()))
        target.evaluateJavaScript(QStringLiteral("HTMLFormElement.prototype.submit.call(this);"));
    else
        target.evaluateJavaScript(QStringLiteral("this.click();"));
}

} // namespace Vexal
