#include "views/BaseComboBox.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBListBase.h"
#include "data/DBRecordNews.h"
#include "texts/LocaleMessage.h"

#include <QSignalBlocker>

namespace Vexal {

BaseComboBox::BaseComboBox(QWidget* parent)
    : QComboBox(parent)
{
    connect(UtilSignalManager::instance(), &UtilSignalManager::onRecordsChanged, this,
            &BaseComboBox::handleRecordsChanged);
}

void BaseComboBox::follow(const std::function<void()>& refill)
{
    m_refill = refill;
    runRefill();
}

void BaseComboBox::runRefill()
{
    if (!m_refill)
        return;
    // The refill may be replaced while it runs.
    const std::function<void()> refill = m_refill;
    m_refilling = true;
    refill();
    m_refilling = false;
}

void BaseComboBox::refresh()
{
    const qint64 id = currentId();
    {
        const QSignalBlocker quiet(this);
        runRefill();
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

void BaseComboBox::handleRecordsChanged(const QStringList& tables)
{
    if (m_refill && DBRecordNews::concerns(m_sources, tables))
        refresh();
}

void BaseComboBox::fill(DBListBase* list, bool sortByName)
{
    if (!m_refilling)
        m_refill = nullptr;
    clear();
    m_sources.clear();
    if (!list)
        return;
    if (list->prototype())
        m_sources = DBRecordNews::sourceTables(list->prototype()->tableName());
    if (!list->load()) {
        Logger::error(list->errorText());
        UtilSignalManager::instance()->emitError(LocaleMessage::unexpectedError());
        return;
    }
    if (sortByName)
        list->sortByName();
    for (int i = 0; i < list->count(); ++i) {
        const DBBase* record = list->at(i);
        addItem(record->name(), record->id());
    }
    if (count() > 0)
        setCurrentIndex(0);
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
