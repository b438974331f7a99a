#pragma once

#include "data/DBPageRecord.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "Bookmark": a stored page address with its icon and title.
// Only Visible bookmarks are shown in the Bookmarks menu; a new one is hidden.
class DBBookmark final : public DBKind<DBBookmark, &DBSql::tableBookmark, &LocaleSql::tableBookmarks, DBPageRecord>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { change(m_visible, visible); }

private:
    bool m_visible = false;
};

} // namespace Vexal
