#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace Vexal {

class DBColumnList;
class SqlFilter;

// The conditions of one record table: the fixed ones the table sets for
// itself and the ones the user edits in the Filter dialog. The filters are
// QObject children of the collection.
class SqlFilterCollection final : public QObject
{
    Q_OBJECT
public:
    explicit SqlFilterCollection(QObject* parent = nullptr);

    void addFilter(SqlFilter* filter);
    void addFixedFilter(SqlFilter* filter);

    int count() const { return m_filters.size(); }
    SqlFilter* filterAt(int index) const { return m_filters.at(index); }
    int fixedCount() const { return m_fixedFilters.size(); }
    SqlFilter* fixedFilterAt(int index) const { return m_fixedFilters.at(index); }

    void disableFilters();
    void disableFixedFilters();

    // The enabled conditions, fixed ones first, joined by " AND "; empty when
    // none is enabled. Without the word WHERE.
    QString whereText() const;

    // Adds the dialog filters for a column layout: one per column shown in the
    // filter whose kind is neither 7 nor 8, a second one for the kinds 1 to 4.
    void addColumnFilters(const DBColumnList* columns);

private:
    SqlFilter* newColumnFilter(int type, const QString& column, const QString& header);

    QList<SqlFilter*> m_filters;
    QList<SqlFilter*> m_fixedFilters;
};

} // namespace Vexal
