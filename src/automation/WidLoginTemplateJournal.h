#pragma once

#include "views/BaseJournalTree.h"

namespace Vexal {

class WidLoginTemplateTable;
class WidWebsiteTree;

// The templates of the websites of the type chosen in the tree; Add needs a
// type (not the root item).
class WidLoginTemplateJournal : public BaseJournalTree
{
    Q_OBJECT
public:
    explicit WidLoginTemplateJournal(QWidget* parent = nullptr);

    QString title() const override;
    WidWebsiteTree* typeTree() const;
    WidLoginTemplateTable* templateTable() const;

public slots:
    void handleTreeSelectionChanged() override;
    void slotSelectionChanged() override;

protected:
    void createTree() override;
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    Init* createInit(QObject* parent) override;
};

} // namespace Vexal
