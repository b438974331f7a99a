#pragma once

#include "data/DBCache.h"

#include <QComboBox>
#include <QStringList>

#include <functional>

namespace Vexal {

class DBListBase;

// A chooser of stored records: item text the record's name, item data
// (Qt::UserRole) its ID. Callers select and read records by ID.
//
// A box filled by follow() shows the records stored anywhere in the program:
// when rows of its list's table are stored, it fills itself again the same
// way and keeps the current record (an editor's choice stays, unmodified).
class BaseComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit BaseComboBox(QWidget* parent = nullptr);

    // Clears the box and fills it from the list after loading it; a load
    // failure is logged and reported and leaves the box empty. The list stays
    // the caller's. Outside follow() the box follows nothing from then on.
    void fill(DBListBase* list, bool sortByName);
    // Fills the box by running `refill` (which calls fill), now and whenever
    // rows of the table of the list it filled from are stored.
    void follow(const std::function<void()>& refill);
    // Runs the refill again. The current record stays current, without an
    // index signal but with onRefreshed (it may have been stored anew); when
    // it is gone, the box selects as fill does and signals the change.
    void refresh();

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
    void handleRecordsChanged(const QStringList& tables);

private:
    void runRefill();

    std::function<void()> m_refill;
    // The tables whose rows the last fill listed.
    QStringList m_sources;
    bool m_refilling = false;
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
        follow([this, args...] {
            List list(args...);
            fill(&list, true);
        });
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
        const qint64 project = DBCache::projectId();
        follow([this, project] {
            List list(project);
            fill(&list, true);
        });
    }
};

} // namespace Vexal
