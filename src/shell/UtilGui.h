#pragma once

#include <QObject>

class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace Vexal {

// Static helpers that give every window and dialog the same look. Forms are
// two-column grids (label, field) whose next free row is the item count / 2.
class UtilGui : public QObject
{
    Q_OBJECT
public:
    explicit UtilGui(QObject* parent = nullptr);

    // Layouts with margin 5 and spacing 5 (or the given ones), installed on
    // the widget when one is given.
    static QGridLayout* createGridLayout(QWidget* widget);
    static QHBoxLayout* createHBoxLayout(QWidget* widget);
    static QHBoxLayout* createHBoxLayout(QWidget* widget, int margin, int spacing);
    static QVBoxLayout* createVBoxLayout(QWidget* widget);
    static QVBoxLayout* createVBoxLayout(QWidget* widget, int margin, int spacing);

    // Appends the label at (row, 0) and the field at (row, 1), row being the
    // grid's item count / 2 before adding.
    static void addRow(QGridLayout* grid, QWidget* label, QWidget* field);
    // Row stretch 1 on the row after the last label and field pair.
    static void stretchLastRow(QGridLayout* grid);
};

} // namespace Vexal
