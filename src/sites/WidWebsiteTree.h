#pragma once

#include "views/BaseTree.h"

namespace Vexal {

// The tree of website types beside the website table and the login and
// registration template tables: a root item "Websites" that stands for no
// type (0) and one child per type in the type chooser's order, each with its
// flag as Qt::UserRole data. Email is current after a reload.
class WidWebsiteTree final : public BaseTree
{
    Q_OBJECT
public:
    explicit WidWebsiteTree(SyncManager* syncManager, QWidget* parent = nullptr);

    // The flag of the current item; 0 for the root or when none is current.
    int currentType() const;
    // The item of that flag becomes current; the root for an unknown flag.
    void setCurrentType(int flag);

protected:
    void reload() override;
    void connectSignals() override;
};

} // namespace Vexal
