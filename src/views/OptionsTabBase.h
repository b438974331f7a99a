#pragma once

#include <QList>
#include <QMetaObject>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QVBoxLayout;

namespace Vexal {

class DBOptions;

// One page of the options editor: a column of group boxes whose controls show
// columns of the options record. A page holds no record; it is handed one for
// each load and store. Every change of a control reaches handleDirty(), which
// emits onDirty(), while the page's signals are connected.
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

    QVBoxLayout* m_pageLayout = nullptr;

private:
    QList<QMetaObject::Connection> m_connections;
};

} // namespace Vexal
