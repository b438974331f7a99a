#include "views/WidBookmarkEditor.h"

#include "core/UtilSignalManager.h"
#include "data/DBBookmark.h"
#include "texts/LocaleBookmark.h"

namespace Vexal {

WidBookmarkEditor::WidBookmarkEditor(QWidget* parent)
    : BasePageEditor(parent, kind<DBBookmark>(LocaleBookmark::bookmark))
{
}

void WidBookmarkEditor::createKindWidgets()
{
    visibleBox = addBoolField(LocaleBookmark::visible(), &DBBookmark::isVisible, &DBBookmark::setVisible);
}

void WidBookmarkEditor::storeWidgets(DBBase* record)
{
    BasePageEditor::storeWidgets(record);
    // The name as stored: an emptied title gives "Object" in both.
    if (auto* bookmark = qobject_cast<DBBookmark*>(record))
        bookmark->setTitle(bookmark->name());
}

void WidBookmarkEditor::afterSave(DBBase* record)
{
    BasePageEditor::afterSave(record);
    UtilSignalManager::instance()->emitRestoreBookmarksMenu();
}

} // namespace Vexal
