#pragma once

#include "shell/DelegateBase.h"

#include <QDate>

namespace Vexal {

class DBMasterAccount;
class Random;
class RandomIdentity;

// The random identity data of master accounts: drawn values and whole
// identities from the name, city and address tables, all from one random
// source of its own.
class DelegateRandom final : public DelegateBase
{
    Q_OBJECT
public:
    DelegateRandom(WidTabManager* tabManager, QObject* parent);

    Random* random() const { return m_random; }

    // "%1 floor, apt. %2" with floor 1..80 and apartment floor..floor+11.
    QString randomFloorAndApartment();
    // 1970..1989, month 1..12, day 1..21.
    QDate randomBirthday();
    // Fills the account with a random identity of the language and country
    // (not saved). A failed read is reported; the other fields are filled.
    bool fillIdentity(DBMasterAccount* account, qint64 languageId, qint64 countryId);

private:
    Random* m_random = nullptr;
    RandomIdentity* m_identity = nullptr;
};

} // namespace Vexal
