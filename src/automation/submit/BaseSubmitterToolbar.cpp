#include "automation/submit/BaseSubmitterToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleBaseWidget.h"

#include <QToolButton>

namespace Vexal {

BaseSubmitterToolbar::BaseSubmitterToolbar(const QString& title, QWidget* parent)
    : BaseWebToolbar(title, parent)
{
}

void BaseSubmitterToolbar::createExtraButtons()
{
    m_submitButton = addButton(ConstIcon::down(32), LocaleBaseWidget::submit(), 0);
    connect(m_submitButton, &QToolButton::clicked, this, &BaseSubmitterToolbar::onSubmit);
    addSeparator();
}

} // namespace Vexal
