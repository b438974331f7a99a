#include "exchange/XmlProjectBase.h"

#include "data/DBProjectBase.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlProjectBase::XmlProjectBase(QObject* parent)
    : XmlBase(parent)
{
}

void XmlProjectBase::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    if (qobject_cast<DBProjectBase*>(record()))
        appendInt(document, item, DBSql::colProjectID(), projectId());
}

bool XmlProjectBase::read(const QDomElement& item)
{
    if (!XmlBase::read(item))
        return false;
    if (!qobject_cast<DBProjectBase*>(record()))
        return false;
    bool ok = false;
    const int value = readInt(item, DBSql::colProjectID(), &ok);
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
