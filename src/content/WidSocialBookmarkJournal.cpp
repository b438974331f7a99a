#include "content/WidSocialBookmarkJournal.h"

#include "content/WidSocialBookmarkTable.h"
#include "content/WidSocialBookmarkEditor.h"
#include "texts/LocaleSocialBookmark.h"

namespace Vexal {

WidSocialBookmarkJournal::WidSocialBookmarkJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidSocialBookmarkJournal::title() const
{
    return LocaleSocialBookmark::socialBookmarks();
}

void WidSocialBookmarkJournal::createTable()
{
    installTable(new WidSocialBookmarkTable(m_syncManager, this));
}

QWidget* WidSocialBookmarkJournal::createEditor(QWidget* parent)
{
    return new WidSocialBookmarkEditor(parent);
}

} // namespace Vexal
