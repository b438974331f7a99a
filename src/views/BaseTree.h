#pragma once

#include <QTreeWidget>

namespace Vexal {

class DBBase;
class DBListBase;
class SyncManager;

// The tree beside the table of a tree journal; its selection drives the
// table (BaseJournalTree::handleTreeSelectionChanged).
class BaseTree : public QTreeWidget
{
    Q_OBJECT
public:
    BaseTree(SyncManager* syncManager, QWidget* parent = nullptr);

    // reload, then connectSignals.
    void build();
    // The Qt::UserRole text of column 0 of the first selected item; empty
    // when nothing is selected.
    QString selectedData() const;

    void reportInvalidObject(const QString& name) const;
    void reportListError(const DBListBase* list) const;
    void reportRecordError(const DBBase* record) const;

signals:
    void onSelectionChanged();

protected:
    // Fills the items; empty in the base.
    virtual void reload();
    virtual void connectSignals();

    SyncManager* m_syncManager = nullptr;
};

} // namespace Vexal
