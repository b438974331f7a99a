#pragma once

#include "data/DBField.h"

#include <QList>
#include <QMetaObject>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QVBoxLayout;

namespace Vexal {

class DBOptions;

// One page of the options editor: a column of group boxes whose controls show
// columns of the options record. A page holds no record; it is handed one for
// each load and store. Every change of a control reaches handleDirty(), which
// emits onDirty(), while the page's signals are connected. Controls made by
// the bound helpers (a getter and setter of the options record each) or
// bound with addBinding are loaded, stored and watched here.
class OptionsTabBase : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsTabBase(QWidget* parent = nullptr);

    // Builds the page's controls (createWidgets).
    void build();

    virtual void load(const DBOptions* options);
    virtual void store(DBOptions* options);
    virtual void clear();
    // Connects every control's change signal to handleDirty(); connecting
    // twice does not double the connections.
    virtual void connectSignals();
    // Removes the connections made by connectSignals.
    void disconnectSignals();

signals:
    void onDirty();

public slots:
    void handleDirty();

protected:
    virtual void createWidgets();

    // A group box at most 570 pixels wide, appended to the page.
    QGroupBox* addGroup(const QString& title);
    // The group's two-column form (margin 5, spacing 5, column 0 stretching).
    QGridLayout* createGrid(QGroupBox* group);
    // The group's column of check boxes.
    QVBoxLayout* createColumn(QGroupBox* group);
    void addRow(QGridLayout* grid, const QString& label, QWidget* control);
    void addRow(QGridLayout* grid, QWidget* labelColumn, QWidget* control);
    // Control widths of the pages.
    static void setMinimumControlWidth(QWidget* control);
    // Remembers a connection for disconnectSignals.
    void watch(const QMetaObject::Connection& connection);

    // ---- bound controls ----
    QCheckBox* addCheckRow(QGridLayout* grid, const QString& label, bool (DBOptions::*get)() const,
                           void (DBOptions::*set)(bool));
    // A check box carrying its own text, in a column of check boxes.
    QCheckBox* addCheckBox(QVBoxLayout* column, const QString& text, bool (DBOptions::*get)() const,
                           void (DBOptions::*set)(bool));
    // A spin box over an integer option, with the range of its row in the
    // options' field table; it shows the value as the getter gives it and
    // stores it as the setter does. Its object name is the column's.
    QSpinBox* addSpinRow(QGridLayout* grid, const QString& label, DBField::Column column);
    QLineEdit* addTextRow(QGridLayout* grid, const QString& label, QString (DBOptions::*get)() const,
                          void (DBOptions::*set)(const QString&));

    // A control of any kind: how the options show in it, how they are
    // stored from it and which change of it reaches handleDirty.
    void addBinding(std::function<void(const DBOptions*)> load, std::function<void(DBOptions*)> store,
                    std::function<QMetaObject::Connection()> watch);
    // The widget's writer shows the column, its reader gives the value to
    // store, its change signal reaches handleDirty.
    template <class W, class T, class V, class Read, class Write, class Changed>
    W* bind(W* widget, T (DBOptions::*get)() const, void (DBOptions::*set)(V), Read read, Write write,
            Changed changed)
    {
        addBinding([widget, get, write](const DBOptions* o) { (widget->*write)((o->*get)()); },
                   [widget, set, read](DBOptions* o) { (o->*set)((widget->*read)()); },
                   [this, widget, changed] { return connect(widget, changed, this, &OptionsTabBase::handleDirty); });
        return widget;
    }

    QVBoxLayout* m_pageLayout = nullptr;

private:
    struct Binding
    {
        std::function<void(const DBOptions*)> load;
        std::function<void(DBOptions*)> store;
        std::function<QMetaObject::Connection()> watch;
    };

    QList<QMetaObject::Connection> m_connections;
    std::vector<Binding> m_bindings;
};

} // namespace Vexal
