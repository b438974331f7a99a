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
    return bodyLayout ? bodyLayout->count() : 0;
}

WidFilterBase* DqlFilter::rowAt(int index) const
{
    if (!bodyLayout || index < 0 || index >= bodyLayout->count())
        return nullptr;
    return qobject_cast<WidFilterBase*>(bodyLayout->itemAt(index)->widget());
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
    scrollArea = new QScrollArea(this);
    scrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    body = new QWidget(this);
    bodyLayout = UtilGui::createVBoxLayout(body);
    mainLayout->addWidget(scrollArea);
}

void DqlFilter::createWidgets()
{
    if (auto* filters = qobject_cast<SqlFilterCollection*>(argument)) {
        for (int i = 0; i < filters->count(); ++i) {
            SqlFilter* filter = filters->filterAt(i);
            WidFilterBase* row = createRow(filter->type());
            if (!row)
                continue;
            row->setFilter(filter);
            bodyLayout->addWidget(row);
        }
    }
    scrollArea->setWidget(body);
    scrollArea->setWidgetResizable(false);
}

void DqlFilter::connectWidgets()
{
    mainLayout->setStretchFactor(scrollArea, 1);
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
