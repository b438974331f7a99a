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
    // The operators a row offers.
    enum Operators {
        EqualOnly,
        // =, <>, <, <=, >, >= (numbers and dates).
        Comparisons,
        // Contains, starts with, ends with, equals, differs.
        TextMatches
    };
    // How the value widget sits in the row; flags.
    enum ValueFit { NaturalWidth = 0, FillWidth = 1, FixedWidth = 2, StretchAfter = 4 };

    // Keeps the filter (null when the object is not one) and builds the row.
    void setFilter(QObject* filter);
    SqlFilter* filter() const { return m_filter; }

    // Enabled state, operator code and value go into the filter.
    void store();

    // The value widget's content: its user property, as an item view's
    // editor is read. Invalid before the row is built.
    QVariant value() const;

    QCheckBox* enabledBox() const { return m_enabledBox; }
    QLineEdit* headerEdit() const { return m_headerEdit; }
    // The row is a second condition on the column of the row above (a
    // range's other end): the column's name is not repeated, its place
    // stays, so that the operators stand in one column.
    void followRowAbove();
    QComboBox* operatorBox() const { return m_operatorBox; }

protected:
    WidFilterBase(QWidget* parent, Operators operators, int fit);

    // The value editor of the row's column kind.
    virtual QWidget* createValueWidget() = 0;

    QWidget* m_valueWidget = nullptr;

private:
    void create();
    void addOperator(const QString& text, int code);
    void addOperators();
    // The item of the filter's operator code, or the first item.
    void selectOperator();

    const Operators m_operators;
    const int m_fit;
    SqlFilter* m_filter = nullptr;
    QCheckBox* m_enabledBox = nullptr;
    QLineEdit* m_headerEdit = nullptr;
    QComboBox* m_operatorBox = nullptr;
    QHBoxLayout* m_layout = nullptr;
};

// A row whose value is edited in one Editor widget; a column kind is the
// editor with its operators and fit.
template <class Editor, WidFilterBase::Operators operators, int fit>
class WidEditorFilter : public WidFilterBase
{
public:
    explicit WidEditorFilter(QWidget* parent = nullptr)
        : WidFilterBase(parent, operators, fit)
    {
    }

    Editor* valueWidget() const { return static_cast<Editor*>(m_valueWidget); }

protected:
    QWidget* createValueWidget() override { return new Editor(this); }
};

} // namespace Vexal
