#include "sites/DelegateRandom.h"

#include "core/Logger.h"
#include "core/Random.h"
#include "core/UtilSignalManager.h"
#include "sites/RandomIdentity.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

DelegateRandom::DelegateRandom(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
    , m_random(new Random(this))
    , m_identity(new RandomIdentity(this, m_random))
{
}

QString DelegateRandom::randomFloorAndApartment()
{
    return m_identity->randomFloorAndApartment();
}

QDate DelegateRandom::randomBirthday()
{
    return m_identity->randomBirthday();
}

bool DelegateRandom::fillIdentity(DBMasterAccount* account, qint64 languageId, qint64 countryId)
{
    if (!account) {
        reportInvalidObject(QStringLiteral("account"));
        return false;
    }
    if (m_identity->fill(account, languageId, countryId))
        return true;
    // Logged by the identity.
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(m_identity->failureCause()));
    return false;
}

} // namespace Vexal
