#pragma once

#include "data/DBTypedList.h"
#include "data/DBCategory.h"

#include <QStringList>

namespace Vexal {

// All categories, or those under one master category.
class DBCategoryList final : public DBTypedList<DBCategory>
{
    Q_OBJECT
public:
    explicit DBCategoryList(qint64 masterId, QObject* parent = nullptr);
    explicit DBCategoryList(QObject* parent = nullptr);

    QString whereText() const override;

    // The names of all categories in list order.
    QStringList names() const;

    qint64 masterId() const { return m_masterId; }

private:
    qint64 m_masterId;
};

} // namespace Vexal
