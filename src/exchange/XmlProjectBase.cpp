#include "exchange/XmlProjectBase.h"

#include "data/DBProjectBase.h"
#include "core/DBSql.h"

namespace Vexal {

XmlProjectBase::XmlProjectBase(QObject* parent)
    : XmlBase(parent)
{
}

void XmlProjectBase::write(XmlItem& item)
{
    XmlBase::write(item);
    if (qobject_cast<DBProjectBase*>(record()))
        appendInt(item, DBSql::colProjectID(), projectId());
}

bool XmlProjectBase::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    if (!qobject_cast<DBProjectBase*>(record()))
        return false;
    bool ok = false;
    const int value = readKey(item, DBSql::colProjectID(), &ok);
    if (!ok)
        return false;
    setProjectId(value);
    return true;
}

int XmlProjectBase::projectId() const
{
    auto* owned = qobject_cast<DBProjectBase*>(record());
    return owned ? owned->projectId() : -1;
}

void XmlProjectBase::setProjectId(int projectId)
{
    if (auto* owned = qobject_cast<DBProjectBase*>(record()))
        owned->setProjectId(projectId);
}

} // namespace Vexal
