#include "texts/LocaleSmart.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleSmart
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_SMART_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleSmart::kindName(int kind)
{
    static const char* const names[] = {
        "Undef", "First Name", "Middle Name", "Last Name", "Full Name", "Screen Name",
        "Gender, Combo", "Gender, Male", "Gender, Famale", "Birth, Year", "Birth, Month",
        "Birth, Day", "Login", "Password", "Email", "Website", "Security Question",
        "Security Answer", "Country", "City", "State", "Address", "Address Details",
        "Zip Code", "Phone", "Fax", "Terms", "Spam", "Captcha", "Title", "Tags",
        "Description", "Category", "Free Url", "Submit", "Bio", "Intro", "Body",
        "SYS trash", "SYS user"};
    if (kind < 0 || kind >= int(sizeof(names) / sizeof(names[0])))
        return QStringLiteral("Error");
    return QString::fromLatin1(names[kind]);
}

QString LocaleSmart::typeName(int type)
{
    static const char* const names[] = {
        "Undef", "Button", "CheckBox", "File", "Hidden", "Image", "Password",
        "Radio", "Reset", "Select", "Submit", "Text", "TextArea", "IFrame"};
    if (type < 0 || type >= int(sizeof(names) / sizeof(names[0])))
        return QStringLiteral("Error");
    return QString::fromLatin1(names[type]);
}

} // namespace Vexal
