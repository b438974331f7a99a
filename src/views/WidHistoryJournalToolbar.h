#pragma once

#include "views/BaseJournalToolbar.h"

namespace Vexal {

// The history journal bar: the journal buttons plus Load.
class WidHistoryJournalToolbar final : public BaseJournalToolbar
{
    Q_OBJECT
public:
    using BaseJournalToolbar::BaseJournalToolbar;

signals:
    void onLoad();

protected:
    void createExtraButtons() override;
};

} // namespace Vexal
