#include "sites/DlgGuid.h"

#include "texts/LocaleDialog.h"

#include <QUuid>

namespace Vexal {

DlgGuid::DlgGuid(QWidget* parent)
    : DlgGenerated(LocaleDialog::guid, createGuid, QStringLiteral("0123456789ABCDEF"), parent)
{
}

QString DlgGuid::createGuid()
{
    return QUuid::createUuid().toString().toUpper();
}

} // namespace Vexal
