#include "sites/DlgPasswordGenerator.h"

#include "texts/LocaleDialog.h"

#include <QRandomGenerator>
#include <QStringList>

namespace Vexal {

namespace {

const char* const lowerLetters = "abcdefghijkmnopqrstuvwxyz";
const char* const upperLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
const char* const digits = "23456789";
const char* const signs = "!#$%&*+-=?@^_~";

QStringList characterSets()
{
    return {QLatin1String(lowerLetters), QLatin1String(upperLetters), QLatin1String(digits), QLatin1String(signs)};
}

QChar draw(QRandomGenerator* random, const QString& set)
{
    return set.at(int(random->bounded(quint32(set.size()))));
}

} // namespace

DlgPasswordGenerator::DlgPasswordGenerator(QWidget* parent)
    : DlgGenerated(LocaleDialog::password, [] { return createPassword(); }, characterSets().join(QString()), parent)
{
}

QString DlgPasswordGenerator::createPassword(int length)
{
    const QStringList sets = characterSets();
    const QString all = sets.join(QString());
    QRandomGenerator* random = QRandomGenerator::system();
    QString password;
    for (const QString& set : sets)
        password += draw(random, set);
    while (password.size() < length)
        password += draw(random, all);
    // Fisher-Yates, so that the classes do not sit in fixed places.
    for (int i = password.size() - 1; i > 0; --i) {
        const int j = int(random->bounded(quint32(i + 1)));
        const QChar c = password.at(i);
        password[i] = password.at(j);
        password[j] = c;
    }
    return password;
}

} // namespace Vexal
