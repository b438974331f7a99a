#include "TestDatabase.h"

#include "core/ConstApp.h"
#include "data/DBConnection.h"
#include "data/DBSchema.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString defaultName()
{
    return QLatin1String(QSqlDatabase::defaultConnection);
}

} // namespace

TestDatabase::TestDatabase()
{
    dropDefaultConnection();
    QSqlDatabase db = QSqlDatabase::addDatabase(Vexal::ConstApp::driverName());
    db.setDatabaseName(databaseFile());
    db.setConnectOptions(Vexal::DBConnection::busyTimeoutOption());
    Vexal::DBConnection::defaultConnectionChanged();
    if (!db.open()) {
        m_error = db.lastError().text();
    } else {
        m_ok = Vexal::DBSchema::create(db, &m_error);
    }
    if (!m_ok)
        qWarning() << "TestDatabase:" << m_error;
}

TestDatabase::~TestDatabase()
{
    dropDefaultConnection();
    Vexal::DBConnection::defaultConnectionChanged();
}

void TestDatabase::dropDefaultConnection()
{
    if (!QSqlDatabase::contains(defaultName()))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(defaultName(), false);
        db.close();
    }
    QSqlDatabase::removeDatabase(defaultName());
    Vexal::DBConnection::defaultConnectionChanged();
}

QString TestDatabase::databaseFile() const
{
    return m_folder.file(QStringLiteral("TesvarBrowser.db"));
}

QSqlDatabase TestDatabase::database() const
{
    return QSqlDatabase::database(defaultName(), false);
}

bool TestDatabase::exec(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(defaultName(), false));
    if (query.exec(statement))
        return true;
    qWarning() << "TestDatabase::exec:" << statement << query.lastError().text();
    return false;
}

QVariant TestDatabase::value(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(defaultName(), false));
    if (query.exec(statement) && query.next())
        return query.value(0);
    return QVariant();
}

int TestDatabase::rowCount(const QString& table)
{
    return value(QStringLiteral("SELECT COUNT(*) FROM %1;").arg(table)).toInt();
}

int TestDatabase::schemaCount(const QString& type)
{
    int count = 0;
    for (const QString& statement : Vexal::DBSchema::statements())
        count += statement.startsWith(QStringLiteral("CREATE %1 ").arg(type), Qt::CaseInsensitive);
    return count;
}
