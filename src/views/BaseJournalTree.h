#pragma once

#include "views/BaseJournal.h"

class QSplitter;

namespace Vexal {

class BaseTree;

// A journal with a tree beside its table (1:3, neither collapsible); the
// tree's current item sets the table's fixed filters (or its SQL table) in
// handleTreeSelectionChanged, which then loads the table.
class BaseJournalTree : public BaseJournal
{
    Q_OBJECT
public:
    explicit BaseJournalTree(QWidget* parent = nullptr);

    void open() override;

    QSplitter* splitterWidget() const { return m_splitter; }
    BaseTree* treeWidget() const { return m_tree; }

public slots:
    virtual void handleTreeSelectionChanged();

protected:
    // The box layout, tool bar, splitter, tree, table, then the 1:3 stretch.
    void create() override;
    virtual void createSplitter();
    virtual void createTree();
    virtual void connectTree();
    // Builds a tree made by createTree and adds it to the splitter.
    void installTree(BaseTree* value);
    void placeTable(BaseTable* value) override;

    QSplitter* m_splitter = nullptr;
    BaseTree* m_tree = nullptr;
};

} // namespace Vexal
