#include "exchange/XmlList.h"

#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "data/DBUrlShortcutList.h"
#include "exchange/XmlAccount.h"
#include "exchange/XmlAddress.h"
#include "exchange/XmlArticle.h"
#include "exchange/XmlArticleTemplate.h"
#include "exchange/XmlBookmark.h"
#include "exchange/XmlCategory.h"
#include "exchange/XmlCity.h"
#include "exchange/XmlCountry.h"
#include "exchange/XmlDirectory.h"
#include "exchange/XmlDirectoryTemplate.h"
#include "exchange/XmlFirstName.h"
#include "exchange/XmlHistory.h"
#include "exchange/XmlLanguage.h"
#include "exchange/XmlLastName.h"
#include "exchange/XmlLoginTemplate.h"
#include "exchange/XmlMasterAccount.h"
#include "exchange/XmlOnlineTool.h"
#include "exchange/XmlProject.h"
#include "exchange/XmlRank.h"
#include "exchange/XmlRegistrationTemplate.h"
#include "exchange/XmlSocialBookmark.h"
#include "exchange/XmlSocialBookmarkTemplate.h"
#include "exchange/XmlSpinnedArticle.h"
#include "exchange/XmlSynonym.h"
#include "exchange/XmlUrlShortcut.h"
#include "exchange/XmlWebsite.h"
#include "exchange/XmlWord.h"
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

XmlBase* XmlList::create(int typeCode, QObject* parent)
{
    switch (typeCode) {
    case 1: return new XmlHistory(parent);
    case 2: return new XmlBookmark(parent);
    case 3: return new XmlUrlShortcut(parent);
    case 4: return new XmlProject(parent);
    case 5: return new XmlAccount(parent);
    case 6: return new XmlDirectory(parent);
    case 7: return new XmlSocialBookmark(parent);
    case 8: return new XmlArticle(parent);
    case 9: return new XmlSpinnedArticle(parent);
    case 10: return new XmlCategory(parent);
    case 11: return new XmlSynonym(parent);
    case 12: return new XmlWord(parent);
    case 13: return new XmlWebsite(parent);
    case 14: return new XmlMasterAccount(parent);
    case 15: return new XmlLanguage(parent);
    case 16: return new XmlAddress(parent);
    case 17: return new XmlCity(parent);
    case 18: return new XmlCountry(parent);
    case 19: return new XmlFirstName(parent);
    case 20: return new XmlLastName(parent);
    case 21: return new XmlOnlineTool(parent);
    case 22: return new XmlRank(parent);
    case 23: return new XmlLoginTemplate(parent);
    case 24: return new XmlRegistrationTemplate(parent);
    case 25: return new XmlDirectoryTemplate(parent);
    case 26: return new XmlSocialBookmarkTemplate(parent);
    case 27: return new XmlArticleTemplate(parent);
    default: return nullptr;
    }
}

QString XmlList::tableOfCode(int typeCode)
{
    switch (typeCode) {
    case 1: return DBSql::tableHistory();
    case 2: return DBSql::tableBookmark();
    case 3: return DBSql::tableUrlShortcut();
    case 4: return DBSql::tableProject();
    case 5: return DBSql::tableAccount();
    case 6: return DBSql::tableDirectory();
    case 7: return DBSql::tableSocialBookmark();
    case 8: return DBSql::tableArticle();
    case 9: return DBSql::tableSpunArticle();
    case 10: return DBSql::tableCategory();
    case 11: return DBSql::tableSynonym();
    case 12: return DBSql::tableWord();
    case 13: return DBSql::tableWebsite();
    case 14: return DBSql::tableMasterAccount();
    case 15: return DBSql::tableLanguage();
    case 16: return DBSql::tableAddress();
    case 17: return DBSql::tableCity();
    case 18: return DBSql::tableCountry();
    case 19: return DBSql::tableFirstName();
    case 20: return DBSql::tableLastName();
    case 21: return DBSql::tableOnlineTool();
    case 22: return DBSql::tableRank();
    case 23: return DBSql::tableLoginTemplate();
    case 24: return DBSql::tableRegistrationTemplate();
    case 25: return DBSql::tableDirectoryTemplate();
    case 26: return DBSql::tableSocialBookmarkTemplate();
    case 27: return DBSql::tableArticleTemplate();
    default: return QString();
    }
}

QString XmlList::titleOfCode(int typeCode)
{
    switch (typeCode) {
    case 0: return LocaleThread::undef();
    case 1: return LocaleInstance::history();
    case 2: return LocaleInstance::bookmarks();
    case 3: return LocaleInstance::shortcuts();
    case 4: return LocaleInstance::projects();
    case 5: return LocaleInstance::accounts();
    case 6: return LocaleInstance::directories();
    case 7: return LocaleInstance::socialBookmarks();
    case 8: return LocaleInstance::articles();
    case 9: return LocaleInstance::spunArticles();
    case 10: return LocaleInstance::categories();
    case 11: return LocaleInstance::synonyms();
    case 12: return LocaleInstance::words();
    case 13: return LocaleInstance::websites();
    case 14: return LocaleInstance::masterAccounts();
    case 15: return LocaleInstance::languages();
    case 16: return LocaleInstance::addresses();
    case 17: return LocaleInstance::cities();
    case 18: return LocaleInstance::countries();
    case 19: return LocaleInstance::firstNames();
    case 20: return LocaleInstance::lastNames();
    case 21: return LocaleInstance::onlineTools();
    case 22: return LocaleInstance::ranks();
    case 23: return LocaleInstance::loginTemplates();
    case 24: return LocaleInstance::registrationTemplates();
    case 25: return LocaleInstance::directoryTemplates();
    case 26: return LocaleInstance::socialBookmarkTemplates();
    case 27: return LocaleInstance::articleTemplates();
    default: return QString();
    }
}

int XmlList::codeOfTable(const QString& table)
{
    for (int code = CodeFirst; code <= CodeLast; ++code) {
        if (QString::compare(table, tableOfCode(code), Qt::CaseInsensitive) == 0)
            return code;
    }
    return CodeUndef;
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

    if (m_typeCode == CodeUrlShortcut && m_items.isEmpty()) {
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

    if (m_typeCode == CodeUrlShortcut && !any) {
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
