#include "exchange/ThreadDBReindex.h"

#include "core/DBSql.h"
#include "texts/LocaleThread.h"

namespace Vexal {

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

bool ThreadDBReindex::reindexTable(const QString& table)
{
    return execute(QStringLiteral("REINDEX %1;").arg(table));
}

bool ThreadDBReindex::runStatements()
{
    const QStringList names = tables();
    for (const QString& table : names) {
        if (!reindexTable(table))
            return false;
    }
    return true;
}

} // namespace Vexal
