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

void RandomIdentity::fail(const QString& text, const QString& cause)
{
    m_failed = true;
    m_errorText = text;
    m_failureCause = cause;
    Logger::error(text);
}

qint64 RandomIdentity::randomId(const QString& table, const QString& where)
{
    DBIDList list(table, where);
    if (!list.load()) {
        fail(list.errorText(), list.failureCause());
        return -1;
    }
    if (list.count() == 0)
        return -1;
    return list.at(m_random->next(list.count()))->id();
}

qint64 RandomIdentity::randomCityId(qint64 countryId)
{
    return randomId(DBSql::tableCity(), QStringLiteral("%1 = %2").arg(DBSql::colCountryID()).arg(countryId));
}

qint64 RandomIdentity::randomAddressId(qint64 countryId)
{
    return randomId(DBSql::tableAddress(), QStringLiteral("%1 = %2").arg(DBSql::colCountryID()).arg(countryId));
}

namespace {

// The name of the record with that id; "" when there is none or the load
// fails (the error and its cause tell).
template <typename Record>
QString loadName(qint64 id, QString* error, QString* cause)
{
    if (id < 0)
        return QString();
    Record record;
    if (!record.load(id)) {
        *error = record.errorText();
        *cause = record.failureCause();
        return QString();
    }
    return record.name();
}

} // namespace

QString RandomIdentity::randomFirstName(qint64 languageId, bool male)
{
    const qint64 id = randomId(DBSql::tableFirstName(), QStringLiteral("%1 = %2 AND %3 = %4")
                                                         .arg(DBSql::colLanguageID())
                                                         .arg(languageId)
                                                         .arg(DBSql::colGender())
                                                         .arg(male ? 1 : 0));
    QString error;
    QString cause;
    const QString name = loadName<DBFirstName>(id, &error, &cause);
    if (!error.isEmpty())
        fail(error, cause);
    return name;
}

QString RandomIdentity::randomLastName(qint64 languageId)
{
    const qint64 id = randomId(DBSql::tableLastName(),
                            QStringLiteral("%1 = %2").arg(DBSql::colLanguageID()).arg(languageId));
    QString error;
    QString cause;
    const QString name = loadName<DBLastName>(id, &error, &cause);
    if (!error.isEmpty())
        fail(error, cause);
    return name;
}

QString RandomIdentity::emptyTable(qint64 languageId, qint64 countryId, bool male)
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
            fail(list.errorText(), list.failureCause());
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

namespace {

// The ASCII letters of the lower-case letters that decomposing leaves
// outside ASCII: Latin letters of their own, Cyrillic and Greek.
const struct {
    char16_t letter;
    const char* ascii;
} transliterations[] = {
    {u'ß', "ss"}, {u'æ', "ae"}, {u'ø', "o"},  {u'œ', "oe"}, {u'ł', "l"},  {u'đ', "d"},  {u'ð', "d"},
    {u'þ', "th"}, {u'ı', "i"},  {u'ħ', "h"},  {u'ŧ', "t"},  {u'ŋ', "n"},  {u'ĸ', "k"},

    {u'а', "a"},  {u'б', "b"},  {u'в', "v"},  {u'г', "g"},  {u'д', "d"},  {u'е', "e"},  {u'ё', "e"},
    {u'ж', "zh"}, {u'з', "z"},  {u'и', "i"},  {u'й', "y"},  {u'к', "k"},  {u'л', "l"},  {u'м', "m"},
    {u'н', "n"},  {u'о', "o"},  {u'п', "p"},  {u'р', "r"},  {u'с', "s"},  {u'т', "t"},  {u'у', "u"},
    {u'ф', "f"},  {u'х', "kh"}, {u'ц', "ts"}, {u'ч', "ch"}, {u'ш', "sh"}, {u'щ', "shch"}, {u'ъ', ""},
    {u'ы', "y"},  {u'ь', ""},   {u'э', "e"},  {u'ю', "yu"}, {u'я', "ya"}, {u'є', "ye"}, {u'і', "i"},
    {u'ї', "yi"}, {u'ґ', "g"},  {u'ў', "u"},  {u'ђ', "dj"}, {u'ј', "j"},  {u'љ', "lj"}, {u'њ', "nj"},
    {u'ћ', "c"},  {u'џ', "dz"}, {u'ѓ', "gj"}, {u'ќ', "kj"}, {u'ѕ', "dz"},

    {u'α', "a"},  {u'β', "v"},  {u'γ', "g"},  {u'δ', "d"},  {u'ε', "e"},  {u'ζ', "z"},  {u'η', "i"},
    {u'θ', "th"}, {u'ι', "i"},  {u'κ', "k"},  {u'λ', "l"},  {u'μ', "m"},  {u'ν', "n"},  {u'ξ', "x"},
    {u'ο', "o"},  {u'π', "p"},  {u'ρ', "r"},  {u'σ', "s"},  {u'ς', "s"},  {u'τ', "t"},  {u'υ', "y"},
    {u'φ', "f"},  {u'χ', "ch"}, {u'ψ', "ps"}, {u'ω', "o"},
};

const char* transliteration(QChar lower)
{
    for (const auto& entry : transliterations) {
        if (entry.letter == lower.unicode())
            return entry.ascii;
    }
    return nullptr;
}

} // namespace

namespace {

// The ASCII of one character (a surrogate pair counts as one): its own
// transliteration (Cyrillic "й" is no "и" with a mark), else that of the
// parts it decomposes into, marks dropped ("é", the mathematical "𝒜").
QString asciiOf(const QString& character)
{
    QString ascii;
    const char* own = character.size() == 1 ? transliteration(character.at(0).toLower()) : nullptr;
    const QString parts = own ? character : character.normalized(QString::NormalizationForm_KD);
    for (const QChar c : parts) {
        QString text;
        if (c.unicode() < 128)
            text = c.isLetterOrNumber() ? QString(c) : QString();
        else if (const char* latin = transliteration(c.toLower()))
            text = QString::fromLatin1(latin);
        if (c.isUpper() && !text.isEmpty())
            text[0] = text.at(0).toUpper();
        ascii += text;
    }
    return ascii;
}

// The letter without its marks.
QChar baseLetter(QChar c)
{
    return QString(c).normalized(QString::NormalizationForm_D).at(0).toLower();
}

} // namespace

QString RandomIdentity::asciiName(const QString& name)
{
    const QString text = name.normalized(QString::NormalizationForm_C);
    QString ascii;
    for (int i = 0; i < text.size(); ++i) {
        // Greek "ου" is one sound.
        if (baseLetter(text.at(i)) == QChar(u'ο') && i + 1 < text.size()
            && baseLetter(text.at(i + 1)) == QChar(u'υ')) {
            ascii += text.at(i).isUpper() ? QStringLiteral("Ou") : QStringLiteral("ou");
            ++i;
            continue;
        }
        const int width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        ascii += asciiOf(text.mid(i, width));
        i += width - 1;
    }
    return ascii;
}

QString RandomIdentity::screenName(const QString& firstName, const QString& lastName, const QString& digits)
{
    const QString first = asciiName(firstName);
    const QString last = asciiName(lastName);
    QString handle = last.isEmpty() ? first : first.left(1) + last;
    if (handle.isEmpty())
        handle = randomLetters(6);
    return handle + digits;
}

bool RandomIdentity::fill(DBMasterAccount* account, qint64 languageId, qint64 countryId, int gender)
{
    if (!account)
        return false;
    m_failed = false;

    const bool male = gender < 0 ? m_random->next(2) == 1 : gender != 0;
    account->setGender(male ? 1 : 0);
    const QString first = randomFirstName(languageId, male);
    const QString last = randomLastName(languageId);
    if (!first.isEmpty())
        account->setFirstName(first);
    if (!last.isEmpty())
        account->setLastName(last);
    // Made of the names the account shows.
    const QString full = QStringList{account->firstName(), account->lastName()}.join(QLatin1Char(' ')).trimmed();
    account->setFullName(full);
    if (account->name().isEmpty())
        account->setName(full);
    const QString handle = screenName(account->firstName(), account->lastName(), randomDigits(3));
    account->setScreenName(handle);
    account->setLogin(handle.toLower());
    Encryptor encryptor(Encryptor::programKey());
    account->setPassword(encryptor.encode(randomLetters(6) + randomDigits(3)));
    account->setBirthday(randomBirthday());

    // A record of a negative id is not chosen; one that fails to load fails
    // the fill but leaves the other fields filled.
    auto loaded = [this](DBBase& record, qint64 id) {
        if (id < 0)
            return false;
        if (record.load(id))
            return true;
        fail(record.errorText(), record.failureCause());
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
