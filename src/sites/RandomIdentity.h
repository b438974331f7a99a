#pragma once

#include <QDate>
#include <QObject>
#include <QString>

namespace Vexal {

class DBMasterAccount;
class Random;

// The generator of random identities for master accounts: names from the
// FirstName and LastName tables of one language, a city and a street address
// of one country, and drawn values (birthday, floor and apartment, letters,
// digits). The random-identity command object calls it with its own Random.
class RandomIdentity final : public QObject
{
    Q_OBJECT
public:
    // Without a random source of the caller's, makes one of its own.
    explicit RandomIdentity(QObject* parent = nullptr, Random* random = nullptr);

    Random* random() const { return m_random; }

    // "%1 floor, apt. %2": floor 1..80, apartment floor..floor+11 (drawn in
    // that order).
    QString randomFloorAndApartment();
    // Year 1970..1989, month 1..12, day 1..21 (drawn in that order).
    QDate randomBirthday();
    QString randomLetters(int count);
    QString randomDigits(int count);

    // A random id among the rows of the table that satisfy the condition
    // (built by the caller from column names and numbers); -1 when there is
    // none or the load fails (errorText tells).
    qint64 randomId(const QString& table, const QString& where);
    qint64 randomCityId(qint64 countryId);
    qint64 randomAddressId(qint64 countryId);
    // "" when the language has no such name or the load fails.
    QString randomFirstName(qint64 languageId, bool male);
    QString randomLastName(qint64 languageId);

    // Fills the account with a random identity of the language and country:
    // gender (drawn, or the one given: 1 male, 0 female), first, last, full
    // and screen name, login, password (scrambled), birthday, country, city
    // and province, address, details (floor and apartment), zip code and
    // phone. A name, city or address the tables do not give leaves its field
    // as it was; an empty record name becomes the full name. The full name,
    // screen name and login are made from the names the account ends with.
    // False when a database read failed (errorText tells); the other fields
    // are filled all the same. The record is not saved.
    bool fill(DBMasterAccount* account, qint64 languageId, qint64 countryId, int gender = -1);

    // A name in ASCII letters and digits, as logins take it: marks dropped
    // from Latin letters, Cyrillic and Greek transliterated, anything else
    // left out.
    static QString asciiName(const QString& name);
    // The screen name made of the names (the initial of the first and the
    // last, in ASCII) and the digits; random letters where neither name
    // gives an ASCII letter. The login is its lower case.
    QString screenName(const QString& firstName, const QString& lastName, const QString& digits);

    // The SQL table of the first identity table that gives nothing for the
    // choice (Language, FirstName of the gender, LastName, Country, City,
    // Address, in this order); "" when every one gives rows, or when a read
    // failed (errorText tells). A language or country id below 0 means the
    // chooser had none to offer.
    QString emptyTable(qint64 languageId, qint64 countryId, bool male);
    // The System file shipped with the program that fills the table.
    static QString systemFileName(const QString& table);
    // The table's name as the menus show it ("First Names").
    static QString tableTitle(const QString& table);

    QString errorText() const { return m_errorText; }
    // Why the last failed read failed, when it is a cause a user can act on
    // (DBConnection::failureCause); "" otherwise.
    QString failureCause() const { return m_failureCause; }

private:
    // Logs the text; the cause is kept for the user.
    void fail(const QString& text, const QString& cause);

    Random* m_random = nullptr;
    QString m_errorText;
    QString m_failureCause;
    bool m_failed = false;
};

} // namespace Vexal
