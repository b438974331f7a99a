#include "views/BaseComboBox.h"

#include "core/RecordChanges.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBListBase.h"
#include "data/DBRecordNews.h"
#include "views/UtilReport.h"

#include <QSignalBlocker>

namespace Vexal {

BaseComboBox::BaseComboBox(QWidget* parent)
    : QComboBox(parent)
{
    connect(UtilSignalManager::instance(), &UtilSignalManager::onRecordsChanged, this,
            &BaseComboBox::handleRecordsChanged);
}

BaseComboBox::~BaseComboBox() = default;

void BaseComboBox::fill(std::unique_ptr<DBListBase> list, bool sortByName)
{
    m_list = std::move(list);
    m_sortByName = sortByName;
    m_sources.clear();
    if (m_list && m_list->prototype())
        m_sources = DBRecordNews::tablesListedBy(m_list->prototype()->tableName());
    fillItems();
}

void BaseComboBox::fillItems()
{
    clear();
    m_loadFailed = false;
    if (!m_list)
        return;
    if (!m_list->load()) {
        m_loadFailed = true;
        UtilReport::listError(m_list.get());
        return;
    }
    if (m_sortByName)
        m_list->sortByName();
    for (int i = 0; i < m_list->count(); ++i) {
        const DBBase* record = m_list->at(i);
        addItem(record->name(), record->id());
    }
    if (count() > 0)
        setCurrentIndex(0);
}

QString BaseComboBox::failureCause() const
{
    return m_loadFailed && m_list ? m_list->failureCause() : QString();
}

void BaseComboBox::refresh()
{
    const qint64 id = currentId();
    {
        const QSignalBlocker quiet(this);
        fillItems();
        if (id != -1)
            setCurrentId(id);
    }
    if (currentId() == id) {
        emit onRefreshed();
        return;
    }
    emit currentIndexChanged(currentIndex());
    emit currentTextChanged(currentText());
}

void BaseComboBox::handleRecordsChanged(const RecordChanges& changes)
{
    if (m_list && changes.touchesAny(m_sources))
        refresh();
}

bool BaseComboBox::hasSelection() const
{
    return currentIndex() >= 0;
}

qint64 BaseComboBox::currentId() const
{
    const int index = currentIndex();
    if (index < 0)
        return -1;
    return itemData(index, Qt::UserRole).toLongLong();
}

void BaseComboBox::setCurrentId(qint64 id)
{
    for (int i = 0; i < count(); ++i) {
        if (itemData(i, Qt::UserRole).toLongLong() == id) {
            setCurrentIndex(i);
            return;
        }
    }
    if (count() > 0)
        setCurrentIndex(0);
}

void BaseComboBox::selectPrevious()
{
    if (currentIndex() > 0)
        setCurrentIndex(currentIndex() - 1);
}

void BaseComboBox::selectNext()
{
    const int next = currentIndex() + 1;
    if (currentIndex() >= 0 && next < count())
        setCurrentIndex(next);
}

QString BaseComboBox::emptyMessage() const
{
    return QString();
}

} // namespace Vexal
