#pragma once

#include <QString>

#include <vector>

namespace Vexal {

// The default column layout of the record tables of the user interface, as
// data: which columns follow ID, Name and Comments, with their header, kind,
// visibility and width. A set belongs to the table widget that lists the
// records of one SQL table, and is found by that table's name. DBColumnList
// builds a set in memory from it.
class DBDefaultColumns
{
public:
    DBDefaultColumns() = delete;

    using NameGetter = QString (*)(bool);
    using TextGetter = QString (*)();

    static constexpr int defaultWidth = 100;

    struct Column
    {
        NameGetter name;      // DBSql column getter
        TextGetter header;    // null: no header
        int kind;             // DBColumn::Kind
        bool shown;
        int width;
        bool hiddenEverywhere;
    };

    struct ColumnSet
    {
        const char* widgetId;  // the identifier of the table widget
        TextGetter table;      // the SQL table whose records the widget lists
        TextGetter source;     // the table or view that the widget reads
        bool hideName;
        const Column* columns; // the columns after ID, Name and Comments
        int count;

        QString id() const { return QLatin1String(widgetId); }
    };

    // Every set, one for each table that has one.
    static const std::vector<ColumnSet>& all();
    // The set of the widget that lists the records of that table; null for
    // a table without one.
    static const ColumnSet* forTable(const QString& table);
};

} // namespace Vexal
