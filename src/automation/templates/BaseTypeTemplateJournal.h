#pragma once

#include "views/BaseJournalTree.h"

namespace Vexal {

class BaseTypeTemplateTable;
class WidWebsiteTree;

// The templates of the websites of the type chosen in the tree; Add needs a
// type (not the root item).
class BaseTypeTemplateJournal : public BaseJournalTree
{
    Q_OBJECT
public:
    explicit BaseTypeTemplateJournal(QWidget* parent = nullptr);

    WidWebsiteTree* typeTree() const;

public slots:
    void handleTreeSelectionChanged() override;

protected:
    BaseTypeTemplateTable* typeTemplateTable() const;
    void createTree() override;
    Init* createInit(QObject* parent) override;
    // A template belongs to a type: not while the root item is current.
    bool canAdd() const override;
};

} // namespace Vexal
