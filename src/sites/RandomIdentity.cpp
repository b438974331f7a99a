#include "sites/RandomIdentity.h"

#include "core/Logger.h"
#include "core/Random.h"
#include "data/DBID.h"
#include "data/DBIDList.h"
#include "data/DBMasterAccount.h"
#include "core/DBSql.h"
#include "data/Encryptor.h"
#include "sites/DBAddress.h"
#include "sites/DBCity.h"
#include "sites/DBCountry.h"
#include "sites/DBFirstName.h"
#include "sites/DBLastName.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleInstance.h"

#include <QTextBoundaryFinder>

namespace Vexal {

RandomIdentity::RandomIdentity(QObject* parent, Random* random)
    : QObject(parent)
    , m_random(random ? random : new Random(this))
{
}

QString RandomIdentity::randomFloorAndApartment()
{
    const int floor = m_random->next(80) + 1;
    const int apartment = floor + m_random->next(12);
    return LocaleDelegate::floorAndApartment(floor, apartment);
}

QDate RandomIdentity::randomBirthday()
{
    const int year = 1970 + m_random->next(20);
    const int month = m_random->next(12) + 1;
    const int day = m_random->next(21) + 1;
    return QDate(year, month, day);
}

QString RandomIdentity::randomLetters(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(QLatin1Char('a').unicode() + m_random->next(26));
    return text;
}

QString RandomIdentity::randomDigits(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(QLatin1Char('0').unicode() + m_random->next(10));
    return text;
}

void RandomIdentity::fail(const QString& text)
{
    m_failed = true;
    m_errorText = text;
    Logger::error(text);
}

int RandomIdentity::randomId(const QString& table, const QString& where)
{
    DBIDList list(table, where);
    if (!list.load()) {
        fail(list.errorText());
        return -1;
    }
    if (list.count() == 0)
        return -1;
    return list.at(m_random->next(list.count()))->id();
}

int RandomIdentity::randomCityId(int countryId)
{
    return randomId(DBSql::tableCity(), QStringLiteral("%1 = %2").arg(DBSql::colCountryID()).arg(countryId));
}

int RandomIdentity::randomAddressId(int countryId)
{
    return randomId(DBSql::tableAddress(), QStringLiteral("%1 = %2").arg(DBSql::colCountryID()).arg(countryId));
}

namespace {

// The name of the record with that id; "" when there is none or the load fails.
template <typename Record>
QString loadName(int id, QString* error)
{
    if (id < 0)
        return QString();
    Record record;
    if (!record.load(id)) {
        *error = record.errorText();
        return QString();
    }
    return record.name();
}

// The first character of a name as the reader sees it: a letter outside the
// Basic Multilingual Plane takes two UTF-16 units, an accent its own one.
QString initial(const QString& name)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name);
    const int end = finder.toNextBoundary();
    return name.left(end > 0 ? end : 0);
}

} // namespace

QString RandomIdentity::randomFirstName(int languageId, bool male)
{
    const int id = randomId(DBSql::tableFirstName(), QStringLiteral("%1 = %2 AND %3 = %4")
                                                         .arg(DBSql::colLanguageID())
                                                         .arg(languageId)
                                                         .arg(DBSql::colGender())
                                                         .arg(male ? 1 : 0));
    QString error;
    const QString name = loadName<DBFirstName>(id, &error);
    if (!error.isEmpty())
        fail(error);
    return name;
}

QString RandomIdentity::randomLastName(int languageId)
{
    const int id = randomId(DBSql::tableLastName(),
                            QStringLiteral("%1 = %2").arg(DBSql::colLanguageID()).arg(languageId));
    QString error;
    const QString name = loadName<DBLastName>(id, &error);
    if (!error.isEmpty())
        fail(error);
    return name;
}

QString RandomIdentity::emptyTable(int languageId, int countryId, bool male)
{
    m_failed = false;
    const QString language = QStringLiteral("%1 = %2").arg(DBSql::colLanguageID()).arg(languageId);
    const QString country = QStringLiteral("%1 = %2").arg(DBSql::colCountryID()).arg(countryId);
    const struct {
        QString table;
        QString where;
        bool chosen;
    } checks[] = {
        {DBSql::tableLanguage(), QString(), languageId >= 0},
        {DBSql::tableFirstName(), language + QStringLiteral(" AND %1 = %2").arg(DBSql::colGender()).arg(male ? 1 : 0),
         languageId >= 0},
        {DBSql::tableLastName(), language, languageId >= 0},
        {DBSql::tableCountry(), QString(), countryId >= 0},
        {DBSql::tableCity(), country, countryId >= 0},
        {DBSql::tableAddress(), country, countryId >= 0},
    };
    for (const auto& check : checks) {
        if (!check.chosen)
            return check.table;
        if (check.where.isEmpty())
            continue;
        DBIDList list(check.table, check.where);
        const bool found = list.hasRows();
        if (!list.errorText().isEmpty()) {
            fail(list.errorText());
            return QString();
        }
        if (!found)
            return check.table;
    }
    return QString();
}

namespace {

// Each identity table with the file of the program's own rows for it and
// the title users know it by.
struct IdentityTable {
    QString (*table)();
    const char* file;
    QString (*title)();
};

const IdentityTable* identityTable(const QString& table)
{
    static const IdentityTable tables[] = {
        {&DBSql::tableLanguage, "languages.xml", &LocaleInstance::languages},
        {&DBSql::tableFirstName, "first-names.xml", &LocaleInstance::firstNames},
        {&DBSql::tableLastName, "last-names.xml", &LocaleInstance::lastNames},
        {&DBSql::tableCountry, "countries.xml", &LocaleInstance::countries},
        {&DBSql::tableCity, "cities.xml", &LocaleInstance::cities},
        {&DBSql::tableAddress, "addresses.xml", &LocaleInstance::addresses},
    };
    for (const IdentityTable& entry : tables) {
        if (table == entry.table())
            return &entry;
    }
    return nullptr;
}

} // namespace

QString RandomIdentity::systemFileName(const QString& table)
{
    const IdentityTable* entry = identityTable(table);
    return entry ? QString::fromLatin1(entry->file) : QString();
}

QString RandomIdentity::tableTitle(const QString& table)
{
    const IdentityTable* entry = identityTable(table);
    return entry ? entry->title() : table;
}

bool RandomIdentity::fill(DBMasterAccount* account, int languageId, int countryId)
{
    if (!account)
        return false;
    m_failed = false;

    const bool male = m_random->next(2) == 1;
    account->setGender(male ? 1 : 0);
    const QString first = randomFirstName(languageId, male);
    const QString last = randomLastName(languageId);
    if (!first.isEmpty())
        account->setFirstName(first);
    if (!last.isEmpty())
        account->setLastName(last);
    const QString full = QStringList{account->firstName(), account->lastName()}.join(QLatin1Char(' ')).trimmed();
    account->setFullName(full);
    if (account->name().isEmpty())
        account->setName(full);

    QString handle = initial(account->firstName()) + account->lastName();
    handle.remove(QLatin1Char(' '));
    if (handle.isEmpty())
        handle = randomLetters(6);
    handle += randomDigits(3);
    account->setScreenName(handle);
    account->setLogin(handle.toLower());
    Encryptor encryptor(Encryptor::programKey());
    account->setPassword(encryptor.encode(randomLetters(6) + randomDigits(3)));
    account->setBirthday(randomBirthday());

    // A record of a negative id is not chosen; one that fails to load fails
    // the fill but leaves the other fields filled.
    auto loaded = [this](DBBase& record, int id) {
        if (id < 0)
            return false;
        if (record.load(id))
            return true;
        fail(record.errorText());
        return false;
    };
    DBCountry country;
    if (loaded(country, countryId))
        account->setCountry(country.name());
    DBCity city;
    if (loaded(city, randomCityId(countryId))) {
        account->setCity(city.name());
        account->setProvince(city.province());
    }
    DBAddress address;
    if (loaded(address, randomAddressId(countryId)))
        account->setAddress(address.name());
    account->setDetails(randomFloorAndApartment());
    account->setZipCode(randomDigits(5));
    account->setPhone(LocaleDelegate::phonePrefix() + randomDigits(3) + QLatin1Char(' ') + randomDigits(7));
    return !m_failed;
}

} // namespace Vexal
