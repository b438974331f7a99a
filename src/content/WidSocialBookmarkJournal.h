#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The social bookmarks journal.
class WidSocialBookmarkJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
