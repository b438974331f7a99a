#pragma once

#include "data/DBCache.h"

#include <QComboBox>

namespace Vexal {

class DBListBase;

// A chooser of stored records: item text the record's name, item data
// (Qt::UserRole) its ID. Callers select and read records by ID.
class BaseComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit BaseComboBox(QWidget* parent = nullptr);

    // Clears the box and fills it from the list after loading it; a load
    // failure is logged and reported and leaves the box empty. The list stays
    // the caller's.
    void fill(DBListBase* list, bool sortByName);

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
};

// The chooser of one list kind, sorted by name: reload() takes what the
// list's constructor takes.
template <class List, class... Args>
class BaseListComboBox : public BaseComboBox
{
public:
    using BaseComboBox::BaseComboBox;

    void reload(Args... args)
    {
        List list(args...);
        fill(&list, true);
    }
};

// The chooser of one list kind of the current project, sorted by name.
template <class List>
class BaseProjectComboBox : public BaseComboBox
{
public:
    using BaseComboBox::BaseComboBox;

    void reload()
    {
        List list(DBCache::projectId());
        fill(&list, true);
    }
};

} // namespace Vexal
