#pragma once

#include "shell/PageDom.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace Vexal {

// Writes into one element of a page: a value, a chosen option, a check mark,
// rich text into an editor frame, a click or a form submission. Writes set the
// attribute and the live property alike, so a control that the user or a
// script already changed is filled too; no DOM events are raised. Each write
// goes through the page access the element came from.
class SelectorManager final : public QObject
{
    Q_OBJECT
public:
    enum ElementType {
        TypeOther = 0,
        TypeInput = 1,
        TypeCheckbox = 2,
        TypeRadio = 3,
        TypeTextarea = 4,
        TypeSelect = 5,
        TypeIframe = 6,
        TypeBody = 7
    };

    // The page access held by its handle (or one its maker keeps); a null
    // handle reads as no page.
    explicit SelectorManager(PageDomHandle dom, QObject* parent = nullptr);
    ~SelectorManager() override;

    PageDom* dom() const { return m_dom.get(); }

    void setValue(const PageElement& element, const QString& value);
    // Chooses the first OPTION, in document order, whose text equals one of the texts.
    void selectOption(const PageElement& element, const QStringList& texts);
    // Submits a FORM, clicks anything else.
    void click(const PageElement& element);

    static int elementType(const PageElement& element);
    // The document that an IFRAME element of the main frame's document shows.
    PageElement frameOf(const PageElement& element) const;
    // Where rich text written into the element goes (setValue): the BODY of
    // the document an IFRAME shows (a frame of the page or of one of its
    // frames), or the element itself where it is the BODY of a frame's
    // document. Null for any other element (the page's own BODY among them)
    // and for a frame that shows no document.
    static PageElement editorBody(const PageElement& element);

private:
    bool canWrite(const PageElement& element) const;
    void setValueAttribute(const PageElement& element, const QString& value);
    void setChecked(const PageElement& element, const QString& value);
    void setText(const PageElement& element, const QString& value);
    void selectIndex(const PageElement& element, const QString& value);
    // An editor frame or its body: the body's content becomes the value.
    void setRichText(const PageElement& element, const QString& value);
    void selectOptionByTexts(const PageElement& element, const QStringList& texts);

    PageDomHandle m_dom;
};

} // namespace Vexal
