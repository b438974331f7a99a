#include "views/OptionsTabBase.h"

#include "widgets/UtilGui.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
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

void OptionsTabBase::load(const DBOptions*)
{
}

void OptionsTabBase::store(DBOptions*)
{
}

void OptionsTabBase::clear()
{
}

void OptionsTabBase::connectSignals()
{
    disconnectSignals();
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

} // namespace Vexal
