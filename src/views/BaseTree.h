#pragma once

#include <QStringList>
#include <QTreeWidget>

namespace Vexal {

class DBBase;
class DBListBase;
class RecordChanges;
class SyncManager;

// The tree beside the table of a tree journal; its selection drives the
// table (BaseJournalTree::handleTreeSelectionChanged). Every tree names the
// tables whose records its items show (none when its items are fixed); it
// is filled again when rows of them are stored anywhere, keeping the chosen
// item.
class BaseTree : public QTreeWidget
{
    Q_OBJECT
public:
    BaseTree(SyncManager* syncManager, const QStringList& listedTables, QWidget* parent = nullptr);

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

private slots:
    // Fills the tree again and chooses the item of the same record (the
    // Qt::UserRole data of column 0), or for an item without one the item
    // of the same texts, from the top; onSelectionChanged only when the
    // choice changed.
    void handleRecordsChanged(const RecordChanges& changes);

protected:
    SyncManager* m_syncManager = nullptr;

private:
    QStringList m_listedTables;
};

} // namespace Vexal
