#include "automation/smart/ConstSmart.h"

namespace Vexal {

#define TESVAR_SMART_CONST(Getter, Literal)              \
    const QString& ConstSmart::Getter()                  \
    {                                                    \
        static const QString value = QStringLiteral(Literal); \
        return value;                                    \
    }

TESVAR_SMART_CONST(tagInput, "INPUT")
TESVAR_SMART_CONST(tagTextArea, "TEXTAREA")
TESVAR_SMART_CONST(tagButton, "BUTTON")
TESVAR_SMART_CONST(tagSelect, "SELECT")
TESVAR_SMART_CONST(tagOption, "OPTION")
TESVAR_SMART_CONST(tagBody, "BODY")
TESVAR_SMART_CONST(tagForm, "FORM")
TESVAR_SMART_CONST(tagTable, "TABLE")
TESVAR_SMART_CONST(tagTBody, "TBODY")
TESVAR_SMART_CONST(tagTr, "TR")
TESVAR_SMART_CONST(tagTd, "TD")
TESVAR_SMART_CONST(tagUl, "UL")
TESVAR_SMART_CONST(tagOl, "OL")
TESVAR_SMART_CONST(tagScript, "SCRIPT")
TESVAR_SMART_CONST(tagIFrame, "IFRAME")
TESVAR_SMART_CONST(tagB, "B")
TESVAR_SMART_CONST(tagStrong, "STRONG")

TESVAR_SMART_CONST(attrId, "id")
TESVAR_SMART_CONST(attrName, "name")
TESVAR_SMART_CONST(attrType, "type")
TESVAR_SMART_CONST(attrTitle, "title")
TESVAR_SMART_CONST(attrValue, "value")

TESVAR_SMART_CONST(typeButton, "button")
TESVAR_SMART_CONST(typeCheckBox, "checkbox")
TESVAR_SMART_CONST(typeFile, "file")
TESVAR_SMART_CONST(typeHidden, "hidden")
TESVAR_SMART_CONST(typeImage, "image")
TESVAR_SMART_CONST(typePassword, "password")
TESVAR_SMART_CONST(typeRadio, "radio")
TESVAR_SMART_CONST(typeReset, "reset")
TESVAR_SMART_CONST(typeSubmit, "submit")
TESVAR_SMART_CONST(typeText, "text")

TESVAR_SMART_CONST(cssVisibility, "visibility")
TESVAR_SMART_CONST(cssHidden, "hidden")
TESVAR_SMART_CONST(cssDisplay, "display")
TESVAR_SMART_CONST(cssNone, "none")

TESVAR_SMART_CONST(controlSelector, "input, textarea, select, button, iframe")

#undef TESVAR_SMART_CONST

} // namespace Vexal
