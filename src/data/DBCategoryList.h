#pragma once

#include "data/DBListBase.h"

#include <QStringList>

namespace Vexal {

class DBCategory;

// All categories, or those under one master category.
class DBCategoryList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBCategoryList(int masterId, QObject* parent = nullptr);
    explicit DBCategoryList(QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is no category.
    DBCategory* at(int index) const;
    DBCategory* findById(int id) const;
    // The first category; on an empty list a new unsaved one, appended.
    DBCategory* firstOrCreate();
    // The names of all categories in list order.
    QStringList names() const;

    int masterId() const { return m_masterId; }

private:
    int m_masterId;
};

} // namespace Vexal
