#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_DELEGATE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(rank, "Rank") \
    TEXT(phonePrefix, "+1 ") \
    FORWARD(submit, LocaleBase, submit) \
    FORWARD(sessions, LocaleInstance, sessions) \
    FORWARD(session, LocaleInstance, session) \
    FORWARD_ARGS(fieldNotFound, LocaleMessage, fieldNotFound, (const QString& field), (field)) \
    FORWARD(formNotSent, LocaleMessage, formNotSent) \
    FORWARD(accountNotFound, LocaleMessage, accountNotFound) \
    FORWARD(hostNotFound, LocaleMessage, hostNotFound) \
    FORWARD(requiredItemsMissing, LocaleMessage, requiredItemsMissing) \
    FORWARD(userPageMissing, LocaleMessage, userPageMissing) \
    FORWARD(registrationPageMissing, LocaleMessage, registrationPageMissing) \
    FORWARD(logoutPageMissing, LocaleMessage, logoutPageMissing) \
    FORWARD(loginPageMissing, LocaleMessage, loginPageMissing) \
    FORWARD(homePageMissing, LocaleMessage, homePageMissing) \
    FORWARD(invalidPassword, LocaleMessage, invalidPassword) \
    FORWARD(webTabsOnly, LocaleMessage, webTabsOnly) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object))

namespace Vexal {

// Menu command objects on the current web tab and the page fills.
namespace LocaleDelegate {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_DELEGATE_TABLE)

// "%1 floor, apt. %2" with both numbers in decimal.
QString floorAndApartment(int floor, int apartment);

} // namespace LocaleDelegate

} // namespace Vexal
