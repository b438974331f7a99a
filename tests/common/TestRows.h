#pragma once

#include <QTest>

// Shapes of data tables that recur across the areas.

// A test run both ways on one condition: its bool column, then a row for
// false and one for true, each named for what the value means.
inline void addBoolRows(const char* column, const char* whenFalse, const char* whenTrue)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}
