#include "views/WidBookmarkEditor.h"

#include "core/UtilSignalManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBookmark.h"
#include "data/DBBookmark.h"

namespace Vexal {

QString WidBookmarkEditor::typeName() const
{
    return LocaleBookmark::bookmark();
}

void WidBookmarkEditor::createWidgets()
{
    idEdit = new QLineEdit(m_body);
    idEdit->setReadOnly(true);
    addFieldRow(LocaleBookmark::id(), idEdit);
    titleEdit = addTextField(LocaleBookmark::title(), &DBBase::name, &DBBase::setName, LocaleBookmark::bookmark());
    urlEdit = addTextField(LocaleBookmark::url(), &DBBookmark::url, &DBBookmark::setUrl, LocaleBookmark::urlPrefix());
    visibleBox = addBoolField(LocaleBookmark::visible(), &DBBookmark::isVisible, &DBBookmark::setVisible);
    commentsEdit = addCommentsField(LocaleBookmark::comments());
    commentsEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    commentsEdit->setMaximumHeight(100);
    finishForm();
}

DBBase* WidBookmarkEditor::createRecord()
{
    return new DBBookmark(this);
}

void WidBookmarkEditor::fillWidgets(DBBase* record)
{
    if (!qobject_cast<DBBookmark*>(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    idEdit->setText(QString::number(record->id()));
    BaseEditor::fillWidgets(record);
}

void WidBookmarkEditor::clearWidgets()
{
    idEdit->clear();
    BaseEditor::clearWidgets();
}

void WidBookmarkEditor::storeWidgets(DBBase* record)
{
    auto* bookmark = qobject_cast<DBBookmark*>(record);
    if (!bookmark) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    if (bookmark->icon().isNull())
        bookmark->setIcon(ConstIcon::webPage(16));
    BaseEditor::storeWidgets(record);
    // The name as stored: an emptied title gives "Object" in both.
    bookmark->setTitle(bookmark->name());
}

void WidBookmarkEditor::afterSave(DBBase* record)
{
    BaseEditor::afterSave(record);
    UtilSignalManager::instance()->emitRestoreBookmarksMenu();
}

} // namespace Vexal
