#include "texts/LocaleAccount.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

#include <QStringList>

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleAccount
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_ACCOUNT_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleAccount::securityQuestion(int number)
{
    static const QStringList questions{
        QStringLiteral("What was the name of your first pet?"),
        QStringLiteral("What was the name of your first school?"),
        QStringLiteral("In what town were you born?"),
        QStringLiteral("What is your mother's maiden name?"),
        QStringLiteral("What was the make of your first car?"),
        QStringLiteral("What street did you grow up on?"),
        QStringLiteral("What is the name of your oldest friend?"),
        QStringLiteral("What was your first job?"),
        QStringLiteral("What is your father's middle name?"),
        QStringLiteral("What is the title of your favourite book?"),
    };
    return questions.value(number);
}

} // namespace Vexal
