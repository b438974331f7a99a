#pragma once

#include <QVariant>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;

namespace Vexal {

class SqlFilter;

// One row of the Filter dialog: on/off box, the column's header, the operator
// and the value. The row writes into its filter only in store().
class WidFilterBase : public QWidget
{
    Q_OBJECT
public:
    explicit WidFilterBase(QWidget* parent = nullptr);

    // Keeps the filter (null when the object is not one) and builds the row.
    void setFilter(QObject* filter);
    SqlFilter* filter() const { return m_filter; }

    // Enabled state, operator code and value go into the filter.
    void store();

    // The value widget's content; invalid in the base.
    virtual QVariant value() const;

    QCheckBox* enabledBox() const { return m_enabledBox; }
    QLineEdit* headerEdit() const { return m_headerEdit; }
    QComboBox* operatorBox() const { return m_operatorBox; }

protected:
    // The base makes the first three widgets; a row adds its operators, selects
    // the filter's one and adds its value widget.
    virtual void create();

    void addOperator(const QString& text, int code);
    // =, <>, <, <=, >, >= (numbers and dates).
    void addComparisonOperators();
    // The item of the filter's operator code, or the first item.
    void selectOperator();

    SqlFilter* m_filter = nullptr;
    QCheckBox* m_enabledBox = nullptr;
    QLineEdit* m_headerEdit = nullptr;
    QComboBox* m_operatorBox = nullptr;
    QHBoxLayout* m_layout = nullptr;
};

} // namespace Vexal
