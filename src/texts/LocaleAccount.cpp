#include "texts/LocaleAccount.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleAccount
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_ACCOUNT_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleAccount::securityQuestion(int number)
{
    static const char* const questions[] = {
        "What was the name of your first pet?",
        "What was the name of your first school?",
        "In what town were you born?",
        "What is your mother's maiden name?",
        "What was the make of your first car?",
        "What street did you grow up on?",
        "What is the name of your oldest friend?",
        "What was your first job?",
        "What is your father's middle name?",
        "What is the title of your favourite book?",
    };
    if (number < 0 || number >= int(sizeof(questions) / sizeof(questions[0])))
        return QString();
    return QString::fromLatin1(questions[number]);
}

} // namespace Vexal
