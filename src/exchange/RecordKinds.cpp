#include "exchange/RecordKinds.h"

#include "automation/templates/DBTemplateList.h"
#include "content/DBLanguageList.h"
#include "content/DBSpinnedArticleList.h"
#include "content/DBSynonymList.h"
#include "content/DBArticleList.h"
#include "content/DBWordList.h"
#include "core/DBSql.h"
#include "data/DBAccountList.h"
#include "data/DBBookmarkList.h"
#include "data/DBCategoryList.h"
#include "data/DBDirectoryList.h"
#include "data/DBHistoryList.h"
#include "data/DBMasterAccountList.h"
#include "data/DBProjectList.h"
#include "data/DBSocialBookmarkList.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBWebsiteList.h"
#include "exchange/XmlRecord.h"
#include "sites/DBAddressList.h"
#include "sites/DBCityList.h"
#include "sites/DBCountryList.h"
#include "sites/DBFirstNameList.h"
#include "sites/DBLastNameList.h"
#include "sites/DBOnlineToolList.h"
#include "sites/DBRankList.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleThread.h"
#include "texts/UtilKeySequence.h"

#include <algorithm>
#include <iterator>

namespace Vexal {

namespace {

using R = RecordKind;
using G = ExportGroup;
using M = LocaleMenu;
using K = UtilKeySequence;

template <class T>
XmlBase* xml(QObject* parent)
{
    return new T(parent);
}

template <class List>
DBListBase* rows(qint64, QObject* parent)
{
    return new List(parent);
}

template <class List>
DBListBase* projectRows(qint64 projectId, QObject* parent)
{
    return new List(projectId, parent);
}

DBListBase* masterAccountRows(qint64, QObject* parent)
{
    return new DBMasterAccountList(false, parent);
}

template <int TemplateKind>
DBListBase* templateRows(qint64, QObject* parent)
{
    return new DBTemplateList(TemplateKind, parent);
}

constexpr bool lineAbove = true;

// In type-code order.
constexpr RecordKindEntry kinds[] = {
        {R::History, &DBSql::tableHistory, &LocaleInstance::history, &xml<XmlHistory>, &rows<DBHistoryList>, {G::Browser, 0, false, &M::exportHistory, &K::exportHistory}},
        {R::Bookmark, &DBSql::tableBookmark, &LocaleInstance::bookmarks, &xml<XmlBookmark>, &rows<DBBookmarkList>, {G::Browser, 1, false, &M::exportBookmarks, &K::exportBookmarks}},
        {R::UrlShortcut, &DBSql::tableUrlShortcut, &LocaleInstance::shortcuts, &xml<XmlUrlShortcut>,
         &rows<DBUrlShortcutList>,
         {G::Browser, 2, false, &M::exportUriShortcuts, &K::exportUriShortcuts}},
        {R::Project, &DBSql::tableProject, &LocaleInstance::projects, &xml<XmlProject>, &rows<DBProjectList>, {G::Project, 0, false, &M::exportProjects, &K::exportProjects}},
        {R::Account, &DBSql::tableAccount, &LocaleInstance::accounts, &xml<XmlAccount>,
         &projectRows<DBAccountList>, {G::Web, 2, false, &M::exportAccounts, &K::exportAccounts}},
        {R::Directory, &DBSql::tableDirectory, &LocaleInstance::directories, &xml<XmlDirectory>,
         &projectRows<DBDirectoryList>,
         {G::Project, 3, lineAbove, &M::exportDirectories, &K::exportDirectories}},
        {R::SocialBookmark, &DBSql::tableSocialBookmark, &LocaleInstance::socialBookmarks,
         &xml<XmlSocialBookmark>, &projectRows<DBSocialBookmarkList>,
         {G::Project, 4, false, &M::exportSocialBookmarks, &K::exportSocialBookmarks}},
        {R::Article, &DBSql::tableArticle, &LocaleInstance::articles, &xml<XmlArticle>,
         &projectRows<DBArticleList>,
         {G::Project, 1, lineAbove, &M::exportArticles, &K::exportArticles}},
        {R::SpunArticle, &DBSql::tableSpunArticle, &LocaleInstance::spunArticles, &xml<XmlSpinnedArticle>,
         &projectRows<DBSpinnedArticleList>,
         {G::Project, 2, false, &M::exportSpunArticles, &K::exportSpunArticles}},
        {R::Category, &DBSql::tableCategory, &LocaleInstance::categories, &xml<XmlCategory>,
         &rows<DBCategoryList>,
         {G::Project, 5, lineAbove, &M::exportCategories, &K::exportCategories}},
        {R::Synonym, &DBSql::tableSynonym, &LocaleInstance::synonyms, &xml<XmlSynonym>, &rows<DBSynonymList>, {G::Project, 7, false, &M::exportSynonyms, &K::exportSynonyms}},
        {R::Word, &DBSql::tableWord, &LocaleInstance::words, &xml<XmlWord>, &rows<DBWordList>,
         {G::Project, 6, false, &M::exportWords, &K::exportWords}},
        {R::Website, &DBSql::tableWebsite, &LocaleInstance::websites, &xml<XmlWebsite>, &rows<DBWebsiteList>, {G::Web, 0, false, &M::exportWebsites, &K::exportWebsites}},
        {R::MasterAccount, &DBSql::tableMasterAccount, &LocaleInstance::masterAccounts, &xml<XmlMasterAccount>,
         &masterAccountRows,
         {G::Web, 1, lineAbove, &M::exportMasterAccounts, &K::exportMasterAccounts}},
        {R::Language, &DBSql::tableLanguage, &LocaleInstance::languages, &xml<XmlLanguage>,
         &rows<DBLanguageList>, {G::System, 0, false, &M::exportLanguages, &K::exportLanguages}},
        {R::Address, &DBSql::tableAddress, &LocaleInstance::addresses, &xml<XmlAddress>, &rows<DBAddressList>, {G::System, 5, false, &M::exportAddresses, &K::exportAddresses}},
        {R::City, &DBSql::tableCity, &LocaleInstance::cities, &xml<XmlCity>, &rows<DBCityList>,
         {G::System, 4, false, &M::exportCities, &K::exportCities}},
        {R::Country, &DBSql::tableCountry, &LocaleInstance::countries, &xml<XmlCountry>, &rows<DBCountryList>, {G::System, 3, lineAbove, &M::exportCountries, &K::exportCountries}},
        {R::FirstName, &DBSql::tableFirstName, &LocaleInstance::firstNames, &xml<XmlFirstName>,
         &rows<DBFirstNameList>,
         {G::System, 1, lineAbove, &M::exportFirstNames, &K::exportFirstNames}},
        {R::LastName, &DBSql::tableLastName, &LocaleInstance::lastNames, &xml<XmlLastName>,
         &rows<DBLastNameList>, {G::System, 2, false, &M::exportLastNames, &K::exportLastNames}},
        {R::OnlineTool, &DBSql::tableOnlineTool, &LocaleInstance::onlineTools, &xml<XmlOnlineTool>,
         &rows<DBOnlineToolList>, {G::Tools, 0, false, &M::exportOnlineTools, &K::exportOnlineTools}},
        {R::Rank, &DBSql::tableRank, &LocaleInstance::ranks, &xml<XmlRank>, &rows<DBRankList>,
         {G::Tools, 1, false, &M::exportPageRankHistory, &K::exportPageRankHistory}},
        {R::LoginTemplate, &DBSql::tableLoginTemplate, &LocaleInstance::loginTemplates, &xml<XmlLoginTemplate>,
         &templateRows<DBTemplateList::KindLogin>,
         {G::Web, 3, lineAbove, &M::exportLoginTemplates, &K::exportLoginTemplates}},
        {R::RegistrationTemplate, &DBSql::tableRegistrationTemplate, &LocaleInstance::registrationTemplates,
         &xml<XmlRegistrationTemplate>, &templateRows<DBTemplateList::KindRegistration>,
         {G::Web, 4, false, &M::exportRegistrationTemplates, &K::exportRegistrationTemplates}},
        {R::DirectoryTemplate, &DBSql::tableDirectoryTemplate, &LocaleInstance::directoryTemplates,
         &xml<XmlDirectoryTemplate>, &templateRows<DBTemplateList::KindDirectory>,
         {G::Web, 5, lineAbove, &M::exportDirectoryTemplates, &K::exportDirectoryTemplates}},
        {R::SocialBookmarkTemplate, &DBSql::tableSocialBookmarkTemplate, &LocaleInstance::socialBookmarkTemplates,
         &xml<XmlSocialBookmarkTemplate>, &templateRows<DBTemplateList::KindSocialBookmark>,
         {G::Web, 6, false, &M::exportSocialBookmarkTemplates, &K::exportSocialBookmarkTemplates}},
        {R::ArticleTemplate, &DBSql::tableArticleTemplate, &LocaleInstance::articleTemplates,
         &xml<XmlArticleTemplate>, &templateRows<DBTemplateList::KindArticle>,
         {G::Web, 7, false, &M::exportArticleTemplates, &K::exportArticleTemplates}},
};

// The codes run from 1 without a gap, in order.
constexpr bool codesInOrder()
{
    for (std::size_t i = 0; i < std::size(kinds); ++i)
        if (kindCode(kinds[i].kind) != int(i) + 1)
            return false;
    return true;
}
static_assert(codesInOrder(), "the kinds stand in type-code order, from 1 without a gap");
static_assert(kindCode(firstRecordKind) == 1 && kindCode(lastRecordKind) == int(std::size(kinds)),
              "the first and last kinds are those of the table");

// Each export submenu places its kinds at the positions 0, 1, 2, ... once
// each, and opens with an item rather than a separator.
constexpr bool menuPositionsInPlace()
{
    for (ExportGroup group : exportGroups) {
        int items = 0;
        for (const RecordKindEntry& entry : kinds)
            items += entry.menu.group == group;
        for (int position = 0; position < items; ++position) {
            int found = 0;
            for (const RecordKindEntry& entry : kinds) {
                if (entry.menu.group != group || entry.menu.position != position)
                    continue;
                ++found;
                if (position == 0 && entry.menu.separatorBefore)
                    return false;
            }
            if (found != 1)
                return false;
        }
    }
    return true;
}
static_assert(menuPositionsInPlace(), "each export submenu holds its positions once each, from 0");

// In the order of ExportGroup, which exportGroups lists.
constexpr QString (*groupTitles[])() = {&M::exportWebBrowserMenu, &M::exportToolsMenu, &M::exportWebMenu,
                                        &M::exportProjectMenu, &M::exportSystemMenu};

constexpr bool groupsInOrder()
{
    for (std::size_t i = 0; i < std::size(exportGroups); ++i)
        if (exportGroups[i] != ExportGroup(i))
            return false;
    return std::size(groupTitles) == std::size(exportGroups);
}
static_assert(groupsInOrder(), "one title for each export group, in the order of the groups");

} // namespace

const std::vector<RecordKindEntry>& RecordKinds::all()
{
    static const std::vector<RecordKindEntry> table(std::begin(kinds), std::end(kinds));
    return table;
}

const RecordKindEntry* RecordKinds::find(int typeCode)
{
    for (const RecordKindEntry& entry : all()) {
        if (kindCode(entry.kind) == typeCode)
            return &entry;
    }
    return nullptr;
}

int RecordKinds::codeOfTable(const QString& table)
{
    for (const RecordKindEntry& entry : all()) {
        if (QString::compare(table, entry.table(), Qt::CaseInsensitive) == 0)
            return kindCode(entry.kind);
    }
    return kindCode(RecordKind::Undef);
}

XmlBase* RecordKinds::createXml(int typeCode, QObject* parent)
{
    const RecordKindEntry* entry = find(typeCode);
    return entry ? entry->createXml(parent) : nullptr;
}

QString RecordKinds::tableOf(int typeCode)
{
    const RecordKindEntry* entry = find(typeCode);
    return entry ? entry->table() : QString();
}

QString RecordKinds::titleOf(int typeCode)
{
    if (typeCode == kindCode(RecordKind::Undef))
        return LocaleThread::undef();
    const RecordKindEntry* entry = find(typeCode);
    return entry ? entry->title() : QString();
}

QString RecordKinds::groupTitle(ExportGroup group)
{
    return groupTitles[int(group)]();
}

std::vector<const RecordKindEntry*> RecordKinds::exportItems(ExportGroup group)
{
    std::vector<const RecordKindEntry*> items;
    for (const RecordKindEntry& entry : all()) {
        if (entry.menu.group == group)
            items.push_back(&entry);
    }
    std::sort(items.begin(), items.end(), [](const RecordKindEntry* a, const RecordKindEntry* b) {
        return a->menu.position < b->menu.position;
    });
    return items;
}

} // namespace Vexal
