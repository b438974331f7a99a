#include "data/DBColumnList.h"

#include "data/DBColumn.h"
#include "core/DBSql.h"
#include "data/DBText.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBColumnList::DBColumnList(const QString& widgetId, QObject* parent)
    : DBTypedList(parent)
    , m_widgetId(widgetId)
{
}

QString DBColumnList::whereText() const
{
    // The identifiers are the program's own constants; quoting keeps any
    // other text from changing the statement.
    return QStringLiteral("%1 = %2").arg(DBSql::colWidgetID(), DBText::quote(m_widgetId));
}

int DBColumnList::logicalIndexAt(int visualIndex) const
{
    for (int i = 0; i < count(); ++i) {
        const DBColumn* column = at(i);
        if (column && column->visualIndex() == visualIndex)
            return column->logicalIndex();
    }
    return 0;
}

void DBColumnList::addCommonColumns(DBColumn* seed, bool hideName)
{
    DBColumn* id = new DBColumn(seed, this);
    id->setName(DBSql::colID());
    id->setHeader(LocaleSql::colID());
    id->setVisible(false);
    id->setType(DBColumn::KindInteger);
    append(id);

    DBColumn* name = new DBColumn(seed, this);
    name->setName(DBSql::colName());
    name->setHeader(LocaleSql::colName());
    name->setVisible(!hideName);
    append(name);

    DBColumn* comments = new DBColumn(seed, this);
    comments->setName(DBSql::colComments());
    comments->setHeader(LocaleSql::colComments());
    comments->setVisible(false);
    append(comments);
}

void DBColumnList::addDefaultColumns(const DBDefaultColumns::ColumnSet* set)
{
    if (!set)
        return;
    DBColumn seed;
    seed.setWidgetId(m_widgetId);
    addCommonColumns(&seed, set->hideName);
    for (int i = 0; i < set->count; ++i) {
        const DBDefaultColumns::Column& spec = set->columns[i];
        DBColumn* column = new DBColumn(&seed, this);
        column->setName(spec.name(false));
        if (spec.header)
            column->setHeader(spec.header());
        if (spec.kind != DBColumn::KindText)
            column->setType(spec.kind);
        if (spec.hiddenEverywhere)
            column->hideEverywhere();
        if (!spec.shown)
            column->setVisible(false);
        if (spec.width != DBDefaultColumns::defaultWidth)
            column->setWidth(spec.width);
        append(column);
    }
}

namespace {

const DBDefaultColumns::ColumnSet* setOf(QString (*table)())
{
    return DBDefaultColumns::forTable(table());
}

} // namespace

void DBColumnList::addBookmarkColumns() { addDefaultColumns(setOf(&DBSql::tableBookmark)); }
void DBColumnList::addProjectColumns() { addDefaultColumns(setOf(&DBSql::tableProject)); }
void DBColumnList::addHistoryColumns() { addDefaultColumns(setOf(&DBSql::tableHistory)); }
void DBColumnList::addSynonymColumns() { addDefaultColumns(setOf(&DBSql::tableSynonym)); }
void DBColumnList::addSpinnedArticleColumns() { addDefaultColumns(setOf(&DBSql::tableSpunArticle)); }
void DBColumnList::addArticleColumns() { addDefaultColumns(setOf(&DBSql::tableArticle)); }
void DBColumnList::addCategoryColumns() { addDefaultColumns(setOf(&DBSql::tableCategory)); }
void DBColumnList::addSocialBookmarkColumns() { addDefaultColumns(setOf(&DBSql::tableSocialBookmark)); }
void DBColumnList::addAccountColumns() { addDefaultColumns(setOf(&DBSql::tableAccount)); }
void DBColumnList::addWebsiteColumns() { addDefaultColumns(setOf(&DBSql::tableWebsite)); }
void DBColumnList::addMasterAccountColumns() { addDefaultColumns(setOf(&DBSql::tableMasterAccount)); }
void DBColumnList::addSocialBookmarkTemplateColumns() { addDefaultColumns(setOf(&DBSql::tableSocialBookmarkTemplate)); }
void DBColumnList::addRegistrationTemplateColumns() { addDefaultColumns(setOf(&DBSql::tableRegistrationTemplate)); }
void DBColumnList::addLoginTemplateColumns() { addDefaultColumns(setOf(&DBSql::tableLoginTemplate)); }
void DBColumnList::addDirectoryTemplateColumns() { addDefaultColumns(setOf(&DBSql::tableDirectoryTemplate)); }
void DBColumnList::addArticleTemplateColumns() { addDefaultColumns(setOf(&DBSql::tableArticleTemplate)); }
void DBColumnList::addDirectoryColumns() { addDefaultColumns(setOf(&DBSql::tableDirectory)); }
void DBColumnList::addRankColumns() { addDefaultColumns(setOf(&DBSql::tableRank)); }
void DBColumnList::addUrlShortcutColumns() { addDefaultColumns(setOf(&DBSql::tableUrlShortcut)); }
void DBColumnList::addFirstNameColumns() { addDefaultColumns(setOf(&DBSql::tableFirstName)); }
void DBColumnList::addLastNameColumns() { addDefaultColumns(setOf(&DBSql::tableLastName)); }
void DBColumnList::addCountryColumns() { addDefaultColumns(setOf(&DBSql::tableCountry)); }
void DBColumnList::addCityColumns() { addDefaultColumns(setOf(&DBSql::tableCity)); }
void DBColumnList::addAddressColumns() { addDefaultColumns(setOf(&DBSql::tableAddress)); }

} // namespace Vexal
