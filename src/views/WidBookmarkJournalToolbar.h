#pragma once

#include "views/BaseJournalToolbar.h"

namespace Vexal {

// The bookmark journal bar: the journal buttons plus Visible, Hidden, Load.
class WidBookmarkJournalToolbar final : public BaseJournalToolbar
{
    Q_OBJECT
public:
    using BaseJournalToolbar::BaseJournalToolbar;

signals:
    void onLoad();
    void onVisible();
    void onHidden();

protected:
    void createExtraButtons() override;
};

} // namespace Vexal
