#include "content/WidWordTree.h"

#include "content/DBLanguage.h"
#include "content/DBLanguageList.h"
#include "content/DBWord.h"
#include "content/DBWordList.h"
#include "core/DBSql.h"

#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>

namespace Vexal {

WidWordTree::WidWordTree(SyncManager* syncManager, QWidget* parent)
    : BaseTree(syncManager, {DBSql::tableLanguage(), DBSql::tableWord()}, parent)
{
    setHeaderHidden(true);
}

void WidWordTree::reload()
{
    clear();
    DBLanguageList languages;
    if (!languages.load()) {
        reportListError(&languages);
        return;
    }
    languages.sortByName();
    for (int i = 0; i < languages.count(); ++i) {
        const DBLanguage* language = languages.at(i);
        auto* languageItem = new QTreeWidgetItem(this, {language->name()});
        languageItem->setData(0, languageRole, language->id());
        DBWordList words(language->id());
        if (!words.load()) {
            reportListError(&words);
            continue;
        }
        words.sortByName();
        for (int w = 0; w < words.count(); ++w) {
            auto* wordItem = new QTreeWidgetItem(languageItem, {words.at(w)->name()});
            wordItem->setData(0, Qt::UserRole, QString::number(words.at(w)->id()));
            wordItem->setData(0, languageRole, language->id());
        }
    }
    expandAll();
}

void WidWordTree::refresh(qint64 wordId)
{
    {
        const QSignalBlocker blocker(this);
        reload();
        const QString wanted = QString::number(wordId);
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == wanted) {
                setCurrentItem(*it);
                break;
            }
        }
    }
    emit onSelectionChanged();
}

qint64 WidWordTree::currentWordId() const
{
    bool ok = false;
    const qint64 id = selectedData().toLongLong(&ok);
    return ok ? id : -1;
}

qint64 WidWordTree::currentLanguageId() const
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (items.isEmpty())
        return -1;
    bool ok = false;
    const qint64 id = items.first()->data(0, languageRole).toLongLong(&ok);
    return ok ? id : -1;
}

} // namespace Vexal
