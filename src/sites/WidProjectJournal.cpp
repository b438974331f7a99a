#include "sites/WidProjectJournal.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBConnection.h"
#include "data/DBListBase.h"
#include "core/DBSql.h"
#include "sites/DlgSelectProject.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleProject.h"

#include <QSqlQuery>

#include <iterator>

namespace Vexal {

namespace {

// The projects that satisfy the condition, as a subquery.
QString projectsOf(const QString& condition)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(DBSql::colID(), DBSql::tableProject(), condition);
}

// The rows of a kind that the projects own: what Clean Database would delete
// once the projects are gone. Spun articles go with their project and with
// their article.
QString ownedCondition(const QString& table, const QString& condition)
{
    QString owned = QStringLiteral("%1 IN (%2)").arg(DBSql::colProjectID(), projectsOf(condition));
    if (table == DBSql::tableSpunArticle())
        owned += QStringLiteral(" OR %1 IN (SELECT %2 FROM %3 WHERE %4)")
                     .arg(DBSql::colArticleID(), DBSql::colID(), DBSql::tableArticle(), owned);
    return owned;
}

struct OwnedKind
{
    QString (*table)();
    QString (*name)();
};

// In the order the question names them; deleted from the last to the first,
// so that spun articles go before the articles their condition reads.
const OwnedKind ownedKinds[] = {
    {&DBSql::tableArticle, &LocaleInstance::articles},
    {&DBSql::tableSpunArticle, &LocaleInstance::spunArticles},
    {&DBSql::tableAccount, &LocaleInstance::projectAccounts},
    {&DBSql::tableDirectory, &LocaleInstance::directories},
    {&DBSql::tableSocialBookmark, &LocaleInstance::socialBookmarks},
};

} // namespace

bool WidProjectJournal::mayDelete(const QString& condition)
{
    // The flag, and the cached current project in case its flag was lost.
    const QString active =
        QStringLiteral("(%1) AND (%2 <> 0 OR %3 = %4)")
            .arg(condition, DBSql::colActive(), DBSql::colID(), QString::number(DBCache::projectId()));
    const int count = countRows(DBSql::tableProject(), active);
    if (count < 0)
        return false;
    if (count == 0)
        return true;
    QString name = DBCache::projectName();
    QSqlQuery query(DBConnection::current());
    if (query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1;")
                          .arg(DBSql::colName(), DBSql::tableProject(), active))
        && query.exec() && query.next())
        name = query.value(0).toString();
    UtilPrompt::warning(this, ConstApp::title(), LocaleProject::activeProjectUndeletable(name));
    return false;
}

QString WidProjectJournal::deleteQuestion(const QString& condition, int count)
{
    QStringList owned;
    for (const OwnedKind& kind : ownedKinds) {
        const int rows = countRows(kind.table(), ownedCondition(kind.table(), condition));
        if (rows > 0)
            owned << LocaleProject::recordCount(kind.name(), rows);
    }
    if (owned.isEmpty())
        return BaseJournal::deleteQuestion(condition, count);
    return LocaleProject::confirmDeleteProjects(count, owned.join(QStringLiteral(", ")));
}

bool WidProjectJournal::deleteRows(const QString& condition, DBListBase* list)
{
    QStringList statements;
    for (auto kind = std::rbegin(ownedKinds); kind != std::rend(ownedKinds); ++kind)
        statements << QStringLiteral("DELETE FROM %1 WHERE %2;")
                          .arg(kind->table(), ownedCondition(kind->table(), condition));
    statements << QStringLiteral("DELETE FROM %1 WHERE %2;").arg(DBSql::tableProject(), condition);
    return execAll(statements, list);
}

} // namespace Vexal
