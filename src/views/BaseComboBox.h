#pragma once

#include "data/DBCache.h"

#include <QComboBox>
#include <QStringList>

#include <memory>

namespace Vexal {

class DBListBase;
class RecordChanges;

// A chooser of stored records: item text the record's name, item data
// (Qt::UserRole) its ID. Callers select and read records by ID.
//
// A box shows the records of the list it was filled from as they are stored
// anywhere in the program: it keeps the list, and when rows of the list's
// table are stored it loads the list again and keeps the current record (an
// editor's choice stays, unmodified).
class BaseComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit BaseComboBox(QWidget* parent = nullptr);
    ~BaseComboBox() override;

    // Clears the box and fills it from the list after loading it; a load
    // failure is logged and reported with its cause and leaves the box empty
    // (loadFailed). The box keeps
    // the list and fills itself from it again whenever rows of its table are
    // stored; a null list empties the box, which then follows nothing.
    void fill(std::unique_ptr<DBListBase> list, bool sortByName = true);
    // Loads the list again. The current record stays current, without an
    // index signal but with onRefreshed (it may have been stored anew); when
    // it is gone, the box selects as fill does and signals the change.
    void refresh();

    // True when the last load failed: the box offers nothing, though the
    // table may hold rows. A caller that acts on the choice loads again
    // (refresh) instead of taking the box for an empty table.
    bool loadFailed() const { return m_loadFailed; }
    // What a user can act on in the last failed load (DBListBase::failureCause);
    // "" when it did not fail or named no such cause.
    QString failureCause() const;

    bool hasSelection() const;
    // The current record's ID; -1 when nothing is current.
    qint64 currentId() const;
    // Selects the item of that ID, or item 0 when none carries it.
    void setCurrentId(qint64 id);
    void selectPrevious();
    void selectNext();

    // What to tell a user who must choose from the box while it is empty
    // (where the records come from); "" when there is nothing particular.
    virtual QString emptyMessage() const;

signals:
    // A refresh kept the current record.
    void onRefreshed();

private slots:
    void handleRecordsChanged(const RecordChanges& changes);

private:
    // Clears the items and fills them from the list kept.
    void fillItems();

    std::unique_ptr<DBListBase> m_list;
    bool m_sortByName = true;
    bool m_loadFailed = false;
    // The tables whose rows the list lists.
    QStringList m_sources;
};

// The chooser of one list kind, sorted by name: reload() takes what the
// list's constructor takes.
template <class List, class... Args>
class BaseListComboBox : public BaseComboBox
{
public:
    using BaseComboBox::BaseComboBox;

    void reload(Args... args) { fill(std::make_unique<List>(args...)); }
};

// The chooser of one list kind of the current project, sorted by name.
template <class List>
class BaseProjectComboBox : public BaseComboBox
{
public:
    using BaseComboBox::BaseComboBox;

    void reload() { fill(std::make_unique<List>(DBCache::projectId())); }
};

} // namespace Vexal
