#include "data/DBOptions.h"

#include "core/Convert.h"
#include "core/ConstApp.h"
#include "core/DBSql.h"
#include "data/Encryptor.h"

#include <QDir>
#include <QSqlQuery>
#include <QVariant>
#include <QtGlobal>

namespace Vexal {

namespace {

QString decrypted(const QString& stored)
{
    if (stored.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.decode(stored);
}

} // namespace

#define TESVAR_OPTION_INIT(Column, getter, setter, Kind, Default) , m_##getter(Default)

DBOptions::DBOptions(QObject* parent)
    : DBKind(parent) TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_INIT)
{
}

#undef TESVAR_OPTION_INIT

// Every setter marks the record modified first, then stores.
#define TESVAR_OPTION_STORE_Int(value) (value)
#define TESVAR_OPTION_STORE_Bool(value) (value)
#define TESVAR_OPTION_STORE_Password(value) (value)
#define TESVAR_OPTION_STORE_Text(value) Convert::leftText((value), shortTextLimit)
#define TESVAR_OPTION_STORE_LongText(value) Convert::leftText((value), longTextLimit)
#define TESVAR_OPTION_STORE_TabLimit(value) qBound(minOpenedTabs, (value), maxOpenedTabsLimit)
#define TESVAR_OPTION_STORE_Days(value) qBound(0, (value), maxHistoryPeriod)

#define TESVAR_OPTION_SETTER(Column, getter, setter, Kind, Default) \
    void DBOptions::setter(TESVAR_OPTION_PARAM_##Kind value) \
    { \
        markModified(); \
        m_##getter = TESVAR_OPTION_STORE_##Kind(value); \
    }
TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_SETTER)
#undef TESVAR_OPTION_SETTER

QString DBOptions::decryptedHttpPassword() const
{
    return decrypted(m_httpPassword);
}

QString DBOptions::decryptedSocksPassword() const
{
    return decrypted(m_socksPassword);
}

QString DBOptions::decryptedFtpPassword() const
{
    return decrypted(m_ftpPassword);
}

#define TESVAR_OPTION_BIND_Int(value) (value)
#define TESVAR_OPTION_BIND_TabLimit(value) (value)
#define TESVAR_OPTION_BIND_Days(value) (value)
#define TESVAR_OPTION_BIND_Bool(value) boolValue(value)
#define TESVAR_OPTION_BIND_Text(value) (value)
#define TESVAR_OPTION_BIND_LongText(value) (value)
#define TESVAR_OPTION_BIND_Password(value) (value)

void DBOptions::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
#define TESVAR_OPTION_BIND(Column, getter, setter, Kind, Default) \
    query.bindValue(DBSql::col##Column(true), TESVAR_OPTION_BIND_##Kind(m_##getter));
    TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_BIND)
#undef TESVAR_OPTION_BIND
}

#define TESVAR_OPTION_READ_Int(value) (value).toInt()
#define TESVAR_OPTION_READ_TabLimit(value) (value).toInt()
#define TESVAR_OPTION_READ_Days(value) (value).toInt()
#define TESVAR_OPTION_READ_Bool(value) readBool(value)
#define TESVAR_OPTION_READ_Text(value) (value).toString()
#define TESVAR_OPTION_READ_LongText(value) (value).toString()
#define TESVAR_OPTION_READ_Password(value) (value).toString()

void DBOptions::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    int index = 3;
#define TESVAR_OPTION_READ(Column, getter, setter, Kind, Default) \
    m_##getter = TESVAR_OPTION_READ_##Kind(query.value(index++));
    TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_READ)
#undef TESVAR_OPTION_READ
}

void DBOptions::assign(const DBBase* other)
{
    DBBase::assign(other);
    const DBOptions* options = qobject_cast<const DBOptions*>(other);
    if (!options)
        return;
#define TESVAR_OPTION_COPY(Column, getter, setter, Kind, Default) setter(options->m_##getter);
    TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_COPY)
#undef TESVAR_OPTION_COPY
}

QStringList DBOptions::columns() const
{
    QStringList names = commonColumns();
#define TESVAR_OPTION_COLUMN(Column, getter, setter, Kind, Default) names << DBSql::col##Column();
    TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_COLUMN)
#undef TESVAR_OPTION_COLUMN
    return names;
}

} // namespace Vexal
