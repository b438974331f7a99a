#include "exchange/ThreadDBClean.h"

#include "core/DBSql.h"
#include "texts/LocaleThread.h"

namespace Vexal {

QString ThreadDBClean::title() const
{
    return LocaleThread::cleanDatabase();
}

QString ThreadDBClean::deleteOrphansText(const QString& table, const QString& column, const QString& referencedTable,
                                         const QString& referencedColumn)
{
    return QStringLiteral("DELETE FROM %1 WHERE %2 not in (SELECT %3 from %4);")
        .arg(table, column, referencedColumn, referencedTable);
}

bool ThreadDBClean::deleteOrphans(const QString& table, const QString& column, const QString& referencedTable,
                                  const QString& referencedColumn)
{
    return execute(deleteOrphansText(table, column, referencedTable, referencedColumn));
}

bool ThreadDBClean::deleteOrphansOfProject(const QString& table)
{
    return deleteOrphans(table, DBSql::colProjectID(), DBSql::tableProject(), DBSql::colID());
}

bool ThreadDBClean::deleteOrphansOfLanguage(const QString& table)
{
    return deleteOrphans(table, DBSql::colLanguageID(), DBSql::tableLanguage(), DBSql::colID());
}

bool ThreadDBClean::deleteOrphansOfWebsite(const QString& table)
{
    return deleteOrphans(table, DBSql::colWebsiteID(), DBSql::tableWebsite(), DBSql::colID());
}

bool ThreadDBClean::runStatements()
{
    return deleteOrphansOfProject(DBSql::tableAccount()) && deleteOrphansOfProject(DBSql::tableArticle())
           && deleteOrphansOfProject(DBSql::tableDirectory()) && deleteOrphansOfProject(DBSql::tableSocialBookmark())
           && deleteOrphansOfProject(DBSql::tableSpunArticle()) && deleteOrphansOfLanguage(DBSql::tableFirstName())
           && deleteOrphansOfLanguage(DBSql::tableLastName()) && deleteOrphansOfLanguage(DBSql::tableWord())
           && deleteOrphansOfWebsite(DBSql::tableAccount()) && deleteOrphansOfWebsite(DBSql::tableArticleTemplate())
           && deleteOrphansOfWebsite(DBSql::tableDirectoryTemplate())
           && deleteOrphansOfWebsite(DBSql::tableLoginTemplate())
           && deleteOrphansOfWebsite(DBSql::tableRegistrationTemplate())
           && deleteOrphansOfWebsite(DBSql::tableSocialBookmarkTemplate())
           && deleteOrphans(DBSql::tableSpunArticle(), DBSql::colArticleID(), DBSql::tableArticle(), DBSql::colID())
           && deleteOrphans(DBSql::tableSynonym(), DBSql::colWordID(), DBSql::tableWord(), DBSql::colID());
}

} // namespace Vexal
