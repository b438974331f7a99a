#pragma once

#include "data/DBPageRecord.h"

namespace Vexal {

// One row of "Bookmark": a stored page address with its icon and title.
// Only Visible bookmarks are shown in the Bookmarks menu; a new one is hidden.
class DBBookmark final : public DBPageRecord
{
    Q_OBJECT
public:
    explicit DBBookmark(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

private:
    bool m_visible = false;
};

} // namespace Vexal
