#include "exchange/ThreadDBReindex.h"

#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "texts/LocaleThread.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Vexal {

ThreadDBReindex::ThreadDBReindex(QObject* parent)
    : Thread(parent)
{
}

QString ThreadDBReindex::title() const
{
    return LocaleThread::rebuildIndexes();
}

QStringList ThreadDBReindex::tables()
{
    return {DBSql::tableAccount(), DBSql::tableAddress(), DBSql::tableArticle(), DBSql::tableArticleTemplate(),
            DBSql::tableBookmark(), DBSql::tableCategory(), DBSql::tableCity(), DBSql::tableColumn(),
            DBSql::tableCountry(), DBSql::tableDirectory(), DBSql::tableDirectoryTemplate(), DBSql::tableFirstName(),
            DBSql::tableGUI(), DBSql::tableHistory(), DBSql::tableLastName(), DBSql::tableLoginTemplate(),
            DBSql::tableMasterAccount(), DBSql::tableOnlineTool(), DBSql::tableOptions(), DBSql::tableProject(),
            DBSql::tableRank(), DBSql::tableRegistrationTemplate(), DBSql::tableSettings(),
            DBSql::tableSocialBookmark(), DBSql::tableSocialBookmarkTemplate(), DBSql::tableSpunArticle(),
            DBSql::tableSynonym(), DBSql::tableUrlShortcut(), DBSql::tableWebsite(), DBSql::tableWord()};
}

void ThreadDBReindex::run()
{
    runGuarded([this] { setSuccessful(reindex()); });
    DBConnection::releaseThreadConnection();
}

bool ThreadDBReindex::reindexTable(const QString& table)
{
    const QString text = QStringLiteral("REINDEX %1;").arg(table);
    QSqlQuery query(DBConnection::current());
    if (query.prepare(text) && query.exec())
        return true;
    setErrorText(LocaleThread::sqlQueryFailed(text, query.lastError().text()));
    return false;
}

bool ThreadDBReindex::reindex()
{
    const QStringList names = tables();
    for (const QString& table : names) {
        if (!reindexTable(table))
            return false;
    }
    return true;
}

} // namespace Vexal
