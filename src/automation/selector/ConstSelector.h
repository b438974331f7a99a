#pragma once

#include <QObject>
#include <QString>

// Keywords of the selector language and the HTML names the selector classes
// compare with. Each getter returns the text as it stands in the table.
#define TESVAR_CONST_SELECTOR_TABLE(TEXT) \
    TEXT(xText, "XTEXT") \
    TEXT(xPassword, "XPASSWORD") \
    TEXT(xRadio, "XRADIO") \
    TEXT(xCheckbox, "XCHECKBOX") \
    TEXT(xButton, "XBUTTON") \
    TEXT(xFile, "XFILE") \
    TEXT(xHidden, "XHIDDEN") \
    TEXT(xReset, "XRESET") \
    TEXT(xSubmit, "XSUBMIT") \
    TEXT(xParent, "XPARENT") \
    TEXT(xChild, "XCHILD") \
    TEXT(xSibling, "XSIBLING") \
    TEXT(xNext, "XNEXT") \
    TEXT(xPrevious, "XPREVIOUS") \
    TEXT(xFirst, "XFIRST") \
    TEXT(xLast, "XLAST") \
    TEXT(xTrimmed, "XTRIMMED") \
    TEXT(xName, "XNAME") \
    TEXT(xLike, "XLIKE") \
    TEXT(xIndex, "XINDEX") \
    TEXT(all, "*") \
    TEXT(tagTextarea, "TEXTAREA") \
    TEXT(tagInput, "INPUT") \
    TEXT(tagSelect, "SELECT") \
    TEXT(tagIframe, "IFRAME") \
    TEXT(tagForm, "FORM") \
    TEXT(tagOption, "OPTION") \
    TEXT(upperCheckbox, "CHECKBOX") \
    TEXT(upperRadio, "RADIO") \
    TEXT(upperType, "TYPE") \
    TEXT(tagBody, "BODY") \
    TEXT(tagHead, "HEAD") \
    TEXT(valueTrue, "true") \
    TEXT(valueFalse, "false") \
    TEXT(upperButton, "BUTTON") \
    TEXT(upperText, "TEXT") \
    TEXT(upperPassword, "PASSWORD") \
    TEXT(upperFile, "FILE") \
    TEXT(upperHidden, "HIDDEN") \
    TEXT(upperReset, "RESET") \
    TEXT(upperSubmit, "SUBMIT") \
    TEXT(attrType, "type") \
    TEXT(typeText, "text") \
    TEXT(typePassword, "password") \
    TEXT(typeRadio, "radio") \
    TEXT(typeCheckbox, "checkbox") \
    TEXT(typeButton, "button") \
    TEXT(typeFile, "file") \
    TEXT(typeHidden, "hidden") \
    TEXT(typeReset, "reset") \
    TEXT(typeSubmit, "submit") \
    TEXT(attrTitle, "title") \
    TEXT(attrName, "name") \
    TEXT(attrSrc, "src") \
    TEXT(attrUrl, "url") \
    TEXT(attrXid, "xid") \
    TEXT(attrStyle, "style") \
    TEXT(attrId, "id") \
    TEXT(styleBorder, "border") \
    TEXT(highlightBorder, "#45A2FF 2px solid") \
    TEXT(attrOnMouseDown, "onmousedown") \
    TEXT(attrOnClick, "onclick")

namespace Vexal {

class ConstSelector final : public QObject
{
    Q_OBJECT
public:
    ConstSelector() = delete;

#define TESVAR_CONST_SELECTOR_DECLARE(Getter, Literal) static QString Getter();
    TESVAR_CONST_SELECTOR_TABLE(TESVAR_CONST_SELECTOR_DECLARE)
#undef TESVAR_CONST_SELECTOR_DECLARE
};

} // namespace Vexal
