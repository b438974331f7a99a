#include "shell/BaseWebExtension.h"

#include "shell/BaseTabObject.h"
#include "shell/WidWebTab.h"

#include <QWidget>

namespace Vexal {

// The panel widget does not exist yet while this base is constructed, so the
// tab object has no parent and is deleted here; this base is destroyed before
// the panel's QWidget part, so no signal reaches a half-destroyed panel.
BaseWebExtension::BaseWebExtension()
    : m_tabObject(new BaseTabObject(nullptr))
{
}

BaseWebExtension::~BaseWebExtension()
{
    delete m_tabObject.data();
}

QString BaseWebExtension::caption() const
{
    return QString();
}

WidWebTab* BaseWebExtension::webTab() const
{
    return qobject_cast<WidWebTab*>(m_webTab.data());
}

QWidget* BaseWebExtension::widget() const
{
    return dynamic_cast<QWidget*>(const_cast<BaseWebExtension*>(this));
}

BaseTabObject* BaseWebExtension::tabObject() const
{
    return m_tabObject;
}

void BaseWebExtension::beforeAttach()
{
}

void BaseWebExtension::setWebTab(QWidget* tab)
{
    m_webTab = tab;
    if (!m_created) {
        m_created = true;
        create();
    }
}

void BaseWebExtension::create()
{
}

void BaseWebExtension::afterAttach()
{
}

} // namespace Vexal
