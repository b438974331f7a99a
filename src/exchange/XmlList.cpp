#include "exchange/XmlList.h"

#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "data/DBUrlShortcutList.h"
#include "exchange/XmlRecord.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleThread.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Vexal {

XmlList::XmlList(int typeCode, QObject* parent)
    : QObject(parent)
    , m_typeCode(typeCode)
{
}

namespace {

template <class T>
XmlBase* make(QObject* parent)
{
    return new T(parent);
}

} // namespace

const std::vector<XmlKind>& XmlList::kinds()
{
    static const std::vector<XmlKind> table = {
        {RecordKind::History, &DBSql::tableHistory, &LocaleInstance::history, &make<XmlHistory>},
        {RecordKind::Bookmark, &DBSql::tableBookmark, &LocaleInstance::bookmarks, &make<XmlBookmark>},
        {RecordKind::UrlShortcut, &DBSql::tableUrlShortcut, &LocaleInstance::shortcuts, &make<XmlUrlShortcut>},
        {RecordKind::Project, &DBSql::tableProject, &LocaleInstance::projects, &make<XmlProject>},
        {RecordKind::Account, &DBSql::tableAccount, &LocaleInstance::accounts, &make<XmlAccount>},
        {RecordKind::Directory, &DBSql::tableDirectory, &LocaleInstance::directories, &make<XmlDirectory>},
        {RecordKind::SocialBookmark, &DBSql::tableSocialBookmark,
          &LocaleInstance::socialBookmarks, &make<XmlSocialBookmark>},
        {RecordKind::Article, &DBSql::tableArticle, &LocaleInstance::articles, &make<XmlArticle>},
        {RecordKind::SpunArticle, &DBSql::tableSpunArticle, &LocaleInstance::spunArticles, &make<XmlSpinnedArticle>},
        {RecordKind::Category, &DBSql::tableCategory, &LocaleInstance::categories, &make<XmlCategory>},
        {RecordKind::Synonym, &DBSql::tableSynonym, &LocaleInstance::synonyms, &make<XmlSynonym>},
        {RecordKind::Word, &DBSql::tableWord, &LocaleInstance::words, &make<XmlWord>},
        {RecordKind::Website, &DBSql::tableWebsite, &LocaleInstance::websites, &make<XmlWebsite>},
        {RecordKind::MasterAccount, &DBSql::tableMasterAccount,
          &LocaleInstance::masterAccounts, &make<XmlMasterAccount>},
        {RecordKind::Language, &DBSql::tableLanguage, &LocaleInstance::languages, &make<XmlLanguage>},
        {RecordKind::Address, &DBSql::tableAddress, &LocaleInstance::addresses, &make<XmlAddress>},
        {RecordKind::City, &DBSql::tableCity, &LocaleInstance::cities, &make<XmlCity>},
        {RecordKind::Country, &DBSql::tableCountry, &LocaleInstance::countries, &make<XmlCountry>},
        {RecordKind::FirstName, &DBSql::tableFirstName, &LocaleInstance::firstNames, &make<XmlFirstName>},
        {RecordKind::LastName, &DBSql::tableLastName, &LocaleInstance::lastNames, &make<XmlLastName>},
        {RecordKind::OnlineTool, &DBSql::tableOnlineTool, &LocaleInstance::onlineTools, &make<XmlOnlineTool>},
        {RecordKind::Rank, &DBSql::tableRank, &LocaleInstance::ranks, &make<XmlRank>},
        {RecordKind::LoginTemplate, &DBSql::tableLoginTemplate,
          &LocaleInstance::loginTemplates, &make<XmlLoginTemplate>},
        {RecordKind::RegistrationTemplate, &DBSql::tableRegistrationTemplate,
          &LocaleInstance::registrationTemplates, &make<XmlRegistrationTemplate>},
        {RecordKind::DirectoryTemplate, &DBSql::tableDirectoryTemplate,
          &LocaleInstance::directoryTemplates, &make<XmlDirectoryTemplate>},
        {RecordKind::SocialBookmarkTemplate, &DBSql::tableSocialBookmarkTemplate,
          &LocaleInstance::socialBookmarkTemplates, &make<XmlSocialBookmarkTemplate>},
        {RecordKind::ArticleTemplate, &DBSql::tableArticleTemplate,
          &LocaleInstance::articleTemplates, &make<XmlArticleTemplate>},
    };
    return table;
}

const XmlKind* XmlList::kindOf(int typeCode)
{
    for (const XmlKind& kind : kinds()) {
        if (kindCode(kind.kind) == typeCode)
            return &kind;
    }
    return nullptr;
}

XmlBase* XmlList::create(int typeCode, QObject* parent)
{
    const XmlKind* kind = kindOf(typeCode);
    return kind ? kind->create(parent) : nullptr;
}

QString XmlList::tableOfCode(int typeCode)
{
    const XmlKind* kind = kindOf(typeCode);
    return kind ? kind->table() : QString();
}

QString XmlList::titleOfCode(int typeCode)
{
    if (typeCode == kindCode(RecordKind::Undef))
        return LocaleThread::undef();
    const XmlKind* kind = kindOf(typeCode);
    return kind ? kind->title() : QString();
}

int XmlList::codeOfTable(const QString& table)
{
    for (const XmlKind& kind : kinds()) {
        if (QString::compare(table, kind.table(), Qt::CaseInsensitive) == 0)
            return kindCode(kind.kind);
    }
    return kindCode(RecordKind::Undef);
}

XmlBase* XmlList::createItem()
{
    return create(m_typeCode, this);
}

QString XmlList::fileName() const
{
    return m_prototype ? m_prototype->displayName() : QString();
}

QString XmlList::tableName() const
{
    return m_prototype ? m_prototype->tableName() : QString();
}

void XmlList::clear()
{
    qDeleteAll(m_items);
    m_items.clear();
}

QString XmlList::selectText() const
{
    return QStringLiteral("SELECT %1 FROM %2;").arg(m_prototype->columnsText(), m_prototype->tableName());
}

bool XmlList::runSelect(QSqlQuery& query, QString* text)
{
    if (!m_prototype)
        m_prototype = createItem();
    if (!m_prototype) {
        m_errorText = LocaleMessage::invalidObjectState(QStringLiteral("m_obj"));
        return false;
    }
    clear();

    *text = selectText();
    query.setForwardOnly(true);
    if (!query.exec(*text)) {
        m_errorText = LocaleMessage::sqlQueryFailed(*text, query.lastError().text());
        return false;
    }
    return true;
}

bool XmlList::load()
{
    QSqlQuery query(DBConnection::current());
    QString text;
    if (!runSelect(query, &text))
        return false;
    while (query.next()) {
        XmlBase* item = createItem();
        item->readValues(query);
        m_items.append(item);
    }
    if (query.lastError().isValid()) {
        m_errorText = LocaleMessage::sqlQueryFailed(text, query.lastError().text());
        return false;
    }

    if (m_typeCode == kindCode(RecordKind::UrlShortcut) && m_items.isEmpty()) {
        DBUrlShortcutList defaults;
        defaults.appendDefaults();
        for (int i = 0; i < defaults.count(); ++i)
            m_items.append(new XmlUrlShortcut(defaults.at(i), this));
    }
    return true;
}

bool XmlList::scan(const std::function<bool(XmlBase*)>& visit)
{
    QSqlQuery query(DBConnection::current());
    QString text;
    if (!runSelect(query, &text))
        return false;
    // Every record reads all of its columns in readValues(), so one object
    // serves every row.
    XmlBase* row = createItem();
    bool any = false;
    while (query.next()) {
        row->readValues(query);
        any = true;
        if (!visit(row)) {
            delete row;
            m_errorText.clear();
            return false;
        }
    }
    delete row;
    if (query.lastError().isValid()) {
        m_errorText = LocaleMessage::sqlQueryFailed(text, query.lastError().text());
        return false;
    }

    if (m_typeCode == kindCode(RecordKind::UrlShortcut) && !any) {
        DBUrlShortcutList defaults;
        defaults.appendDefaults();
        for (int i = 0; i < defaults.count(); ++i) {
            XmlUrlShortcut shortcut(defaults.at(i), nullptr);
            if (!visit(&shortcut))
                return false;
        }
    }
    return true;
}

} // namespace Vexal
