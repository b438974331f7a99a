#pragma once

#include <QTest>

// Shapes of data tables that recur across the areas.

// The header of a data table in one line, as its rows read: the columns'
// types in order, then their names, e.g. addColumns<QString, int>("text", "words").
template <class... Types, class... Names>
void addColumns(const Names&... names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "a name for each column's type");
    (QTest::addColumn<Types>(names), ...);
}

// A test run both ways on one condition: its bool column, then a row for
// false and one for true, each named for what the value means.
inline void addBoolRows(const char* column, const char* whenFalse, const char* whenTrue)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}
