#pragma once

#include <QString>

#include <vector>

namespace Vexal {

// The columns that hold IDs of rows of another table (or of their own): an
// account's website and project, an article's category, a category's master
// category. A row keeps pointing at a row that was deleted (the views show it
// without that row's name, Clean Database removes it), so no new row takes an
// ID that such a row points at: the ID of a new row is chosen past them
// (newIdExpression).
namespace DBReferences {

struct Reference
{
    // The table that holds the column.
    QString (*table)();
    QString (*column)(bool bind);
    // The table whose IDs the column holds.
    QString (*target)();
};
const std::vector<Reference>& all();

// The SQL expression of the ID of a new row of the table: `offset` (an
// expression of 1 or more) past the highest ID that the table holds and that
// a column of all() points at; NULL where that passes the largest ID, and
// the table then chooses one that is free. Empty for a table that no column
// points at: there the table chooses.
QString newIdExpression(const QString& table, const QString& offset = QStringLiteral("1"));

} // namespace DBReferences
} // namespace Vexal
