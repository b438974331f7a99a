#include "views/OptionsTabBase.h"

#include "data/DBOptions.h"
#include "widgets/UtilGui.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Vexal {

namespace {
const int groupMaximumWidth = 570;
const int controlMinimumWidth = 250;
} // namespace

OptionsTabBase::OptionsTabBase(QWidget* parent)
    : QWidget(parent)
{
}

void OptionsTabBase::build()
{
    if (!m_pageLayout)
        m_pageLayout = UtilGui::createVBoxLayout(this);
    createWidgets();
}

void OptionsTabBase::load(const DBOptions* options)
{
    if (!options)
        return;
    for (const Binding& binding : m_bindings)
        binding.load(options);
}

void OptionsTabBase::store(DBOptions* options)
{
    if (!options)
        return;
    for (const Binding& binding : m_bindings)
        binding.store(options);
}

void OptionsTabBase::clear()
{
}

void OptionsTabBase::connectSignals()
{
    disconnectSignals();
    for (const Binding& binding : m_bindings)
        watch(binding.watch());
}

void OptionsTabBase::disconnectSignals()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
}

void OptionsTabBase::handleDirty()
{
    emit onDirty();
}

void OptionsTabBase::createWidgets()
{
}

QGroupBox* OptionsTabBase::addGroup(const QString& title)
{
    auto* group = new QGroupBox(title, this);
    group->setMaximumWidth(groupMaximumWidth);
    m_pageLayout->addWidget(group);
    return group;
}

QGridLayout* OptionsTabBase::createGrid(QGroupBox* group)
{
    QGridLayout* grid = UtilGui::createGridLayout(group);
    grid->setColumnStretch(0, 1);
    return grid;
}

QVBoxLayout* OptionsTabBase::createColumn(QGroupBox* group)
{
    return UtilGui::createVBoxLayout(group);
}

void OptionsTabBase::addRow(QGridLayout* grid, const QString& label, QWidget* control)
{
    auto* text = new QLabel(label, grid->parentWidget());
    // The group is at most 570 pixels wide: a label longer than its column
    // takes a second line instead of being cut off.
    text->setWordWrap(true);
    addRow(grid, text, control);
}

void OptionsTabBase::addRow(QGridLayout* grid, QWidget* labelColumn, QWidget* control)
{
    UtilGui::addRow(grid, labelColumn, control);
}

void OptionsTabBase::setMinimumControlWidth(QWidget* control)
{
    control->setMinimumWidth(controlMinimumWidth);
}

void OptionsTabBase::watch(const QMetaObject::Connection& connection)
{
    m_connections.append(connection);
}

void OptionsTabBase::addBinding(std::function<void(const DBOptions*)> load, std::function<void(DBOptions*)> store,
                                std::function<QMetaObject::Connection()> watch)
{
    m_bindings.push_back({std::move(load), std::move(store), std::move(watch)});
}

QCheckBox* OptionsTabBase::addCheckRow(QGridLayout* grid, const QString& label, bool (DBOptions::*get)() const,
                                       void (DBOptions::*set)(bool))
{
    auto* box = new QCheckBox(grid->parentWidget());
    addRow(grid, label, box);
    return bind(box, get, set, &QCheckBox::isChecked, &QCheckBox::setChecked, &QCheckBox::toggled);
}

QCheckBox* OptionsTabBase::addCheckBox(QVBoxLayout* column, const QString& text, bool (DBOptions::*get)() const,
                                       void (DBOptions::*set)(bool))
{
    auto* box = new QCheckBox(text, column->parentWidget());
    column->addWidget(box);
    return bind(box, get, set, &QCheckBox::isChecked, &QCheckBox::setChecked, &QCheckBox::toggled);
}

QSpinBox* OptionsTabBase::addSpinRow(QGridLayout* grid, const QString& label, DBField::Column column)
{
    const DBField* field = DBOptions::fieldTable().find(column(false));
    Q_ASSERT(field && field->type() == FieldType::Int);
    QSpinBox* box = UtilGui::createSpinBox(field->minimum(), field->maximum(), grid->parentWidget());
    box->setObjectName(field->column());
    addRow(grid, label, box);
    addBinding([box, field](const DBOptions* o) { box->setValue(field->intInRange(o)); },
               [box, field](DBOptions* o) { field->setInt(o, box->value()); },
               [this, box] {
                   return connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &OptionsTabBase::handleDirty);
               });
    return box;
}

QLineEdit* OptionsTabBase::addTextRow(QGridLayout* grid, const QString& label, QString (DBOptions::*get)() const,
                                      void (DBOptions::*set)(const QString&))
{
    auto* edit = new QLineEdit(grid->parentWidget());
    addRow(grid, label, edit);
    return bind(edit, get, set, &QLineEdit::text, &QLineEdit::setText, &QLineEdit::textChanged);
}

} // namespace Vexal
