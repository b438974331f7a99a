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

void DBColumnList::addDefaultColumns(DBDefaultColumns::Set which)
{
    const DBDefaultColumns::ColumnSet& set = DBDefaultColumns::set(which);
    DBColumn seed;
    seed.setWidgetId(m_widgetId);
    addCommonColumns(&seed, set.hideName);
    for (int i = 0; i < set.count; ++i) {
        const DBDefaultColumns::Column& spec = set.columns[i];
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

void DBColumnList::addBookmarkColumns() { addDefaultColumns(DBDefaultColumns::Bookmarks); }
void DBColumnList::addProjectColumns() { addDefaultColumns(DBDefaultColumns::Projects); }
void DBColumnList::addHistoryColumns() { addDefaultColumns(DBDefaultColumns::History); }
void DBColumnList::addSynonymColumns() { addDefaultColumns(DBDefaultColumns::Synonyms); }
void DBColumnList::addSpinnedArticleColumns() { addDefaultColumns(DBDefaultColumns::SpinnedArticles); }
void DBColumnList::addArticleColumns() { addDefaultColumns(DBDefaultColumns::Articles); }
void DBColumnList::addCategoryColumns() { addDefaultColumns(DBDefaultColumns::Categories); }
void DBColumnList::addSocialBookmarkColumns() { addDefaultColumns(DBDefaultColumns::SocialBookmarks); }
void DBColumnList::addAccountColumns() { addDefaultColumns(DBDefaultColumns::Accounts); }
void DBColumnList::addWebsiteColumns() { addDefaultColumns(DBDefaultColumns::Websites); }
void DBColumnList::addMasterAccountColumns() { addDefaultColumns(DBDefaultColumns::MasterAccounts); }
void DBColumnList::addSocialBookmarkTemplateColumns()
{
    addDefaultColumns(DBDefaultColumns::SocialBookmarkTemplates);
}
void DBColumnList::addRegistrationTemplateColumns()
{
    addDefaultColumns(DBDefaultColumns::RegistrationTemplates);
}
void DBColumnList::addLoginTemplateColumns() { addDefaultColumns(DBDefaultColumns::LoginTemplates); }
void DBColumnList::addDirectoryTemplateColumns() { addDefaultColumns(DBDefaultColumns::DirectoryTemplates); }
void DBColumnList::addArticleTemplateColumns() { addDefaultColumns(DBDefaultColumns::ArticleTemplates); }
void DBColumnList::addDirectoryColumns() { addDefaultColumns(DBDefaultColumns::Directories); }
void DBColumnList::addRankColumns() { addDefaultColumns(DBDefaultColumns::Ranks); }
void DBColumnList::addUrlShortcutColumns() { addDefaultColumns(DBDefaultColumns::UrlShortcuts); }
void DBColumnList::addFirstNameColumns() { addDefaultColumns(DBDefaultColumns::FirstNames); }
void DBColumnList::addLastNameColumns() { addDefaultColumns(DBDefaultColumns::LastNames); }
void DBColumnList::addCountryColumns() { addDefaultColumns(DBDefaultColumns::Countries); }
void DBColumnList::addCityColumns() { addDefaultColumns(DBDefaultColumns::Cities); }
void DBColumnList::addAddressColumns() { addDefaultColumns(DBDefaultColumns::Addresses); }

} // namespace Vexal
