#include "automation/submit/ExtSelectorToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleExtension.h"

#include <QToolButton>

namespace Vexal {

ExtSelectorToolbar::ExtSelectorToolbar(const QString& title, QWidget* parent)
    : BaseWebToolbar(title, parent)
{
}

void ExtSelectorToolbar::createExtraButtons()
{
    m_highlight = addButton(ConstIcon::highlight(32), LocaleExtension::highlight(), 0);
    connect(m_highlight, &QToolButton::clicked, this, &ExtSelectorToolbar::onHighlight);
    m_copy = addButton(ConstIcon::copy(32), LocaleExtension::copy(), 0);
    connect(m_copy, &QToolButton::clicked, this, &ExtSelectorToolbar::onCopy);
    addSeparator();
}

} // namespace Vexal
