#include "data/DBDefaultColumns.h"

#include "data/DBColumn.h"
#include "core/DBSql.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleIdentity.h"
#include "texts/LocaleSql.h"

#include <iterator>

namespace Vexal {

namespace {

using Column = DBDefaultColumns::Column;
using ColumnSet = DBDefaultColumns::ColumnSet;
using NameGetter = DBDefaultColumns::NameGetter;
using TextGetter = DBDefaultColumns::TextGetter;

constexpr int Text = DBColumn::KindText;
constexpr int Integer = DBColumn::KindInteger;
constexpr int Date = DBColumn::KindDate;
constexpr int DateTime = DBColumn::KindDateTime;
constexpr int Boolean = DBColumn::KindBoolean;
constexpr int Icon = DBColumn::KindIcon;

constexpr Column shown(NameGetter name, TextGetter header, int kind = Text,
                       int width = DBDefaultColumns::defaultWidth)
{
    return {name, header, kind, true, width, false};
}

constexpr Column hidden(NameGetter name, TextGetter header, int kind = Text)
{
    return {name, header, kind, false, DBDefaultColumns::defaultWidth, false};
}

constexpr Column nowhere(NameGetter name, TextGetter header, int kind)
{
    return {name, header, kind, false, DBDefaultColumns::defaultWidth, true};
}

const Column bookmarkColumns[] = {
    nowhere(&DBSql::colIcon, nullptr, Icon),
    shown(&DBSql::colTitle, &LocaleSql::colTitle),
    shown(&DBSql::colURL, &LocaleSql::colUrl),
    shown(&DBSql::colVisible, &LocaleSql::colVisible, Boolean),
};

const Column projectColumns[] = {
    shown(&DBSql::colActive, &LocaleSql::colActive, Boolean),
    shown(&DBSql::colURL, &LocaleSql::colUrl),
};

const Column historyColumns[] = {
    nowhere(&DBSql::colIcon, nullptr, Icon),
    shown(&DBSql::colTitle, &LocaleSql::colTitle),
    shown(&DBSql::colURL, &LocaleSql::colUrl),
    shown(&DBSql::colCreateDate, &LocaleSql::colCreateDate, DateTime),
};

const Column synonymColumns[] = {
    hidden(&DBSql::colWordID, &LocaleSql::colWordID, Integer),
};

const Column spinnedArticleColumns[] = {
    hidden(&DBSql::colProjectID, &LocaleSql::colProjectID, Integer),
    shown(&DBSql::colProjectName, &LocaleSql::colProject),
    hidden(&DBSql::colArticleID, &LocaleSql::colArticleID, Integer),
    shown(&DBSql::colArticleName, &LocaleSql::colArticle),
    shown(&DBSql::colSubmitted, &LocaleSql::colSubmitted, Boolean),
};

const Column articleColumns[] = {
    hidden(&DBSql::colProjectID, &LocaleSql::colProjectID, Integer),
    shown(&DBSql::colProjectName, &LocaleSql::colProject),
    hidden(&DBSql::colCategoryID, &LocaleSql::colCategoryID, Integer),
    shown(&DBSql::colCategoryName, &LocaleSql::colCategoryName),
    shown(&DBSql::colTags, &LocaleSql::colTags),
    shown(&DBSql::colSpun, &LocaleSql::colSpun, Boolean),
    shown(&DBSql::colSpunCount, &LocaleSql::colSpunArticles, Integer, 150),
};

const Column categoryColumns[] = {
    hidden(&DBSql::colMasterID, &LocaleSql::colMasterID, Integer),
    shown(&DBSql::colMasterName, &LocaleSql::colMaster),
};

const Column socialBookmarkColumns[] = {
    hidden(&DBSql::colProjectID, &LocaleSql::colProjectID, Integer),
    shown(&DBSql::colProjectName, &LocaleSql::colProject),
    shown(&DBSql::colTitle, &LocaleSql::colTitle),
    shown(&DBSql::colTags, &LocaleSql::colTags),
    shown(&DBSql::colURL, &LocaleSql::colUrl),
    hidden(&DBSql::colDescription, &LocaleSql::colDescription),
};

const Column accountColumns[] = {
    hidden(&DBSql::colProjectID, &LocaleSql::colProjectID, Integer),
    shown(&DBSql::colProjectName, &LocaleSql::colProject),
    hidden(&DBSql::colWebsiteID, &LocaleSql::colWebsiteID, Integer),
    shown(&DBSql::colWebsiteName, &LocaleSql::colWebsite),
    nowhere(&DBSql::colType, &LocaleBaseWidget::type, Integer),
    shown(&DBSql::colLogin, &LocaleSql::colLogin),
};

const Column websiteColumns[] = {
    nowhere(&DBSql::colType, nullptr, Integer),
    shown(&DBSql::colHost, &LocaleSql::colHost),
    shown(&DBSql::colHomePage, &LocaleSql::colHomePage),
    hidden(&DBSql::colLoginPage, &LocaleSql::colLoginPage),
    hidden(&DBSql::colLogoutPage, &LocaleSql::colLogoutPage),
    hidden(&DBSql::colRegistrationPage, &LocaleSql::colRegistrationPage),
    hidden(&DBSql::colUserPage, &LocaleSql::colUserPage),
    hidden(&DBSql::colEmail, &LocaleSql::colEmail, Boolean),
    shown(&DBSql::colGPR, &LocaleSql::colGooglePR, Integer),
    shown(&DBSql::colAPR, &LocaleSql::colAlexaRank, Integer),
};

const Column masterAccountColumns[] = {
    shown(&DBSql::colActive, &LocaleSql::colActive, Boolean),
    hidden(&DBSql::colFirstName, &LocaleSql::colFirstName),
    hidden(&DBSql::colMiddleName, &LocaleSql::colMiddleName),
    hidden(&DBSql::colLastName, &LocaleSql::colLastName),
    hidden(&DBSql::colFullName, &LocaleSql::colFullName),
    hidden(&DBSql::colScreenName, &LocaleSql::colScreenName),
    hidden(&DBSql::colGender, &LocaleSql::colMale, Boolean),
    hidden(&DBSql::colBirthday, &LocaleSql::colBirthday, Date),
    shown(&DBSql::colLogin, &LocaleSql::colLogin),
    shown(&DBSql::colEmail, &LocaleSql::colEmail),
    hidden(&DBSql::colURL, &LocaleSql::colUrl),
    hidden(&DBSql::colQuestion, &LocaleSql::colSecurityQuestion, Integer),
    hidden(&DBSql::colAnswer, &LocaleSql::colAnswer),
    hidden(&DBSql::colCountry, &LocaleSql::colCountry),
    hidden(&DBSql::colCity, &LocaleSql::colCity),
    hidden(&DBSql::colProvince, &LocaleSql::colProvince),
    hidden(&DBSql::colAddress, &LocaleSql::colAddress),
    hidden(&DBSql::colDetails, &LocaleSql::colDetails),
    hidden(&DBSql::colZipCode, &LocaleSql::colZipCode),
    hidden(&DBSql::colPhone, &LocaleSql::colPhone),
    hidden(&DBSql::colFax, &LocaleSql::colFax),
};

const Column socialBookmarkTemplateColumns[] = {
    hidden(&DBSql::colWebsiteID, &LocaleSql::colWebsiteID, Integer),
    shown(&DBSql::colWebsiteName, &LocaleSql::colWebsite),
    hidden(&DBSql::colTitle, &LocaleSql::colTitle),
    hidden(&DBSql::colTags, &LocaleSql::colTags),
    hidden(&DBSql::colURL, &LocaleSql::colUrl),
    hidden(&DBSql::colDescription, &LocaleSql::colDescription),
};

const Column registrationTemplateColumns[] = {
    hidden(&DBSql::colWebsiteID, &LocaleSql::colWebsiteID, Integer),
    shown(&DBSql::colWebsiteName, &LocaleSql::colWebsite),
    nowhere(&DBSql::colType, nullptr, Integer),
    hidden(&DBSql::colFirstName, &LocaleSql::colFirstName),
    hidden(&DBSql::colMiddleName, &LocaleSql::colMiddleName),
    hidden(&DBSql::colLastName, &LocaleSql::colLastName),
    hidden(&DBSql::colFullName, &LocaleSql::colFullName),
    hidden(&DBSql::colScreenName, &LocaleSql::colScreenName),
    hidden(&DBSql::colGender, &LocaleSql::colMale),
    hidden(&DBSql::colLogin, &LocaleSql::colLogin),
    hidden(&DBSql::colPassword, &LocaleSql::colPassword),
    hidden(&DBSql::colRPassword, &LocaleSql::colRepeatPassword),
    hidden(&DBSql::colEmail, &LocaleSql::colEmail),
    hidden(&DBSql::colREmail, &LocaleSql::colRepeatEmail),
    hidden(&DBSql::colURL, &LocaleSql::colUrl),
    hidden(&DBSql::colQuestion, &LocaleSql::colQuestion),
    hidden(&DBSql::colAnswer, &LocaleSql::colAnswer),
    hidden(&DBSql::colCountry, &LocaleSql::colCountry),
    hidden(&DBSql::colCity, &LocaleSql::colCity),
    hidden(&DBSql::colProvince, &LocaleSql::colProvince),
    hidden(&DBSql::colAddress, &LocaleSql::colAddress),
    hidden(&DBSql::colDetails, &LocaleSql::colDetails),
    hidden(&DBSql::colZipCode, &LocaleSql::colZipCode),
    hidden(&DBSql::colPhone, &LocaleSql::colPhone),
    hidden(&DBSql::colFax, &LocaleSql::colFax),
    hidden(&DBSql::colAcceptTerms, &LocaleSql::colAcceptTerms),
    hidden(&DBSql::colRejectEmail, &LocaleSql::colRejectEmail),
};

const Column loginTemplateColumns[] = {
    hidden(&DBSql::colWebsiteID, &LocaleSql::colWebsiteID, Integer),
    shown(&DBSql::colWebsiteName, &LocaleSql::colWebsite),
    nowhere(&DBSql::colType, nullptr, Integer),
    hidden(&DBSql::colLogin, &LocaleSql::colLogin),
    hidden(&DBSql::colPassword, &LocaleSql::colPassword),
    hidden(&DBSql::colSubmit, &LocaleSql::colSubmit),
};

const Column directoryTemplateColumns[] = {
    hidden(&DBSql::colWebsiteID, &LocaleSql::colWebsiteID, Integer),
    shown(&DBSql::colWebsiteName, &LocaleSql::colWebsite),
    hidden(&DBSql::colCategory, &LocaleSql::colCategory),
    hidden(&DBSql::colTitle, &LocaleSql::colTitle),
    hidden(&DBSql::colTags, &LocaleSql::colTags),
    hidden(&DBSql::colURL, &LocaleSql::colUrl),
    hidden(&DBSql::colDescription, &LocaleSql::colDescription),
    hidden(&DBSql::colUserName, &LocaleSql::colUserName),
    hidden(&DBSql::colUserEmail, &LocaleSql::colUserEmail),
    hidden(&DBSql::colRegularLink, &LocaleSql::colRegularLink),
    hidden(&DBSql::colAcceptTerms, &LocaleSql::colAcceptTerms),
};

const Column articleTemplateColumns[] = {
    hidden(&DBSql::colWebsiteID, &LocaleSql::colWebsiteID, Integer),
    shown(&DBSql::colWebsiteName, &LocaleSql::colWebsite),
    hidden(&DBSql::colCategory, &LocaleSql::colCategory),
    hidden(&DBSql::colTitle, &LocaleSql::colTitle),
    hidden(&DBSql::colTags, &LocaleSql::colTags),
    hidden(&DBSql::colAuthor, &LocaleSql::colAuthor),
    hidden(&DBSql::colIntro, &LocaleSql::colIntro),
    hidden(&DBSql::colBody, &LocaleSql::colBody),
};

const Column directoryColumns[] = {
    hidden(&DBSql::colProjectID, &LocaleSql::colProjectID, Integer),
    shown(&DBSql::colProjectName, &LocaleSql::colProject),
    hidden(&DBSql::colCategoryID, &LocaleSql::colCategoryID, Integer),
    shown(&DBSql::colCategoryName, &LocaleSql::colCategoryName),
    shown(&DBSql::colTitle, &LocaleSql::colTitle),
    shown(&DBSql::colTags, &LocaleSql::colTags),
    shown(&DBSql::colURL, &LocaleSql::colUrl),
    hidden(&DBSql::colDescription, &LocaleSql::colDescription),
    hidden(&DBSql::colUserName, &LocaleSql::colUserName),
    hidden(&DBSql::colUserEmail, &LocaleSql::colUserEmail),
};

const Column rankColumns[] = {
    shown(&DBSql::colHost, &LocaleSql::colHost),
    shown(&DBSql::colCreateDate, &LocaleSql::colCreateDate, Date),
    shown(&DBSql::colGoogle, &LocaleSql::colGooglePR, Integer),
    shown(&DBSql::colAlexa, &LocaleSql::colAlexaRank, Integer),
};

const Column urlShortcutColumns[] = {
    shown(&DBSql::colShortcut, &LocaleSql::colShortcut),
    shown(&DBSql::colURL, &LocaleSql::colUrl),
};

const Column firstNameColumns[] = {
    hidden(&DBSql::colLanguageID, &LocaleIdentity::languageId, Integer),
    shown(&DBSql::colGender, &LocaleSql::colMale, Boolean),
};

const Column lastNameColumns[] = {
    hidden(&DBSql::colLanguageID, &LocaleIdentity::languageId, Integer),
};

const Column countryColumns[] = {
    shown(&DBSql::colCode, &LocaleIdentity::code),
};

const Column cityColumns[] = {
    hidden(&DBSql::colCountryID, &LocaleIdentity::countryId, Integer),
    shown(&DBSql::colProvince, &LocaleSql::colProvince),
};

const Column addressColumns[] = {
    hidden(&DBSql::colCountryID, &LocaleIdentity::countryId, Integer),
    shown(&DBSql::colDetails, &LocaleSql::colDetails),
};

template <int N>
constexpr ColumnSet makeSet(const char* widgetId, TextGetter table, TextGetter source, bool hideName,
                            const Column (&columns)[N])
{
    return {widgetId, table, source, hideName, columns, N};
}

constexpr ColumnSet columnSets[] = {
    makeSet("{1D0E8254-780D-4033-97B5-99CA51FCD81D}", &DBSql::tableBookmark, &DBSql::tableBookmark, true,
            bookmarkColumns),
    makeSet("{F2231605-5081-42A3-A1EC-2CB8D05B1C15}", &DBSql::tableProject, &DBSql::tableProject, false,
            projectColumns),
    makeSet("{44AF96AE-943F-4113-9C80-78276DC6D171}", &DBSql::tableHistory, &DBSql::tableHistory, true,
            historyColumns),
    makeSet("{C86D7943-CD8C-446D-A797-B0CA7C7D60C9}", &DBSql::tableSynonym, &DBSql::tableSynonym, false,
            synonymColumns),
    makeSet("{2982C49A-6377-421D-B93A-E14E688C992C}", &DBSql::tableSpunArticle, &DBSql::tableSpunArticleView, false,
            spinnedArticleColumns),
    makeSet("{88B83EDC-5E23-4B0A-9171-926172684807}", &DBSql::tableArticle, &DBSql::tableArticleView, false,
            articleColumns),
    makeSet("{1268EC64-F9B2-421A-8783-D7285452E1F7}", &DBSql::tableCategory, &DBSql::tableCategoryView, false,
            categoryColumns),
    makeSet("{26149E7B-4501-4BC9-8847-D1D9D567A4FC}", &DBSql::tableSocialBookmark, &DBSql::tableSocialBookmarkView,
            false, socialBookmarkColumns),
    makeSet("{A350AE48-5596-11E1-B856-B14B4824019B}", &DBSql::tableAccount, &DBSql::tableAccountView, false,
            accountColumns),
    makeSet("{008A354C-20DA-457E-B675-E3FBDB9D0401}", &DBSql::tableWebsite, &DBSql::tableWebsite, false,
            websiteColumns),
    makeSet("{965124D0-54C8-11E1-BBFC-B8C84824019B}", &DBSql::tableMasterAccount, &DBSql::tableMasterAccountView,
            false, masterAccountColumns),
    makeSet("{14C8ABDF-3B51-418F-9FD2-9AF26D45F941}", &DBSql::tableSocialBookmarkTemplate,
            &DBSql::tableSocialBookmarkTemplateView, false, socialBookmarkTemplateColumns),
    makeSet("{509847BF-8E9E-47A3-BBDD-FFBDB9029E2B}", &DBSql::tableRegistrationTemplate,
            &DBSql::tableRegistrationTemplateView, false, registrationTemplateColumns),
    makeSet("{DE6041D8-C457-4056-9BB9-384238EB7131}", &DBSql::tableLoginTemplate, &DBSql::tableLoginTemplateView,
            false, loginTemplateColumns),
    makeSet("{1E80A473-C65A-4793-85B8-9B17143CC6AA}", &DBSql::tableDirectoryTemplate,
            &DBSql::tableDirectoryTemplateView, false, directoryTemplateColumns),
    makeSet("{8B4F7AF9-3FB1-41F0-AE8A-7D57C7717051}", &DBSql::tableArticleTemplate,
            &DBSql::tableArticleTemplateView, false, articleTemplateColumns),
    makeSet("{F43378F2-E94A-4D2A-B185-7DBD19D053D8}", &DBSql::tableDirectory, &DBSql::tableDirectoryView, false,
            directoryColumns),
    makeSet("{9A7C864E-4FCD-43C9-B9F6-1949731C7A62}", &DBSql::tableRank, &DBSql::tableRank, false, rankColumns),
    makeSet("{BDBBF885-2669-402D-9177-73DF8546D6A6}", &DBSql::tableUrlShortcut, &DBSql::tableUrlShortcut, false,
            urlShortcutColumns),
    makeSet("{6F1D2E0A-3C5B-4A8E-9B47-2D81C0F5A6E3}", &DBSql::tableFirstName, &DBSql::tableFirstName, false,
            firstNameColumns),
    makeSet("{B83A4C71-5E2F-4D96-A0C8-7F13E9B2D450}", &DBSql::tableLastName, &DBSql::tableLastName, false,
            lastNameColumns),
    makeSet("{2C9E7B5D-81A4-4F3C-B6D2-E40A95C1F837}", &DBSql::tableCountry, &DBSql::tableCountry, false,
            countryColumns),
    makeSet("{D4F08A62-9B1C-4E75-8A3D-56C2B7E1F094}", &DBSql::tableCity, &DBSql::tableCity, false, cityColumns),
    makeSet("{71E5C93B-2A4D-4B8F-9C60-A3D8F2E4B515}", &DBSql::tableAddress, &DBSql::tableAddress, false,
            addressColumns),
};

constexpr bool sameText(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// A table has one widget and a widget one set: a second set for either would
// never be found, or would mix two layouts under one identifier.
constexpr bool eachTableAndWidgetOnce()
{
    for (std::size_t i = 0; i < std::size(columnSets); ++i)
        for (std::size_t j = i + 1; j < std::size(columnSets); ++j)
            if (columnSets[i].table == columnSets[j].table || sameText(columnSets[i].widgetId, columnSets[j].widgetId))
                return false;
    return true;
}
static_assert(eachTableAndWidgetOnce(), "one set for each table and widget");

} // namespace

const std::vector<DBDefaultColumns::ColumnSet>& DBDefaultColumns::all()
{
    static const std::vector<ColumnSet> sets(std::begin(columnSets), std::end(columnSets));
    return sets;
}

const DBDefaultColumns::ColumnSet* DBDefaultColumns::forTable(const QString& table)
{
    for (const ColumnSet& set : all()) {
        if (set.table() == table)
            return &set;
    }
    return nullptr;
}

} // namespace Vexal
