#include "views/DqlFilter.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "views/WidBoolFilter.h"
#include "views/WidDateFilter.h"
#include "views/WidDateTimeFilter.h"
#include "views/WidFloatFilter.h"
#include "views/WidIntFilter.h"
#include "views/WidStringFilter.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace Vexal {

DqlFilter::DqlFilter(QWidget* parent)
    : DlgBase(parent)
{
}

int DqlFilter::rowCount() const
{
    return m_bodyLayout ? m_bodyLayout->count() : 0;
}

WidFilterBase* DqlFilter::rowAt(int index) const
{
    if (!m_bodyLayout || index < 0 || index >= m_bodyLayout->count())
        return nullptr;
    return qobject_cast<WidFilterBase*>(m_bodyLayout->itemAt(index)->widget());
}

void DqlFilter::slotAccept()
{
    Logger::setContext(className(), LocaleDialog::accept());
    for (int i = 0; i < rowCount(); ++i) {
        if (WidFilterBase* row = rowAt(i))
            row->store();
    }
    accept();
}

void DqlFilter::createBody()
{
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_body = new QWidget(this);
    m_bodyLayout = UtilGui::createVBoxLayout(m_body);
    m_mainLayout->addWidget(m_scrollArea);
}

void DqlFilter::createWidgets()
{
    if (auto* filters = qobject_cast<SqlFilterCollection*>(m_argument)) {
        // A column of numbers or dates has two rows, for a range: its name
        // shows once.
        const SqlFilter* above = nullptr;
        for (int i = 0; i < filters->count(); ++i) {
            SqlFilter* filter = filters->filterAt(i);
            WidFilterBase* row = createRow(filter->type());
            if (!row)
                continue;
            row->setFilter(filter);
            if (above && above->column() == filter->column())
                row->followRowAbove();
            above = filter;
            m_bodyLayout->addWidget(row);
        }
    }
    m_scrollArea->setWidget(m_body);
    m_scrollArea->setWidgetResizable(false);
}

void DqlFilter::connectWidgets()
{
    m_mainLayout->setStretchFactor(m_scrollArea, 1);
}

WidFilterBase* DqlFilter::createRow(int kind)
{
    switch (kind) {
    case 0:
    case 6:
        return new WidStringFilter;
    case 1:
        return new WidIntFilter;
    case 2:
        return new WidFloatFilter;
    case 3:
        return new WidDateFilter;
    case 4:
        return new WidDateTimeFilter;
    case 5:
        return new WidBoolFilter;
    default:
        return nullptr;
    }
}

} // namespace Vexal
