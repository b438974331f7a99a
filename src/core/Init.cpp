#include "core/Init.h"

namespace Vexal {

Init::Init(QObject* parent)
    : QObject(parent)
{
}

Init::Init(qint64 id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

Init::Init(const QUrl& url, QObject* parent)
    : QObject(parent)
    , m_url(url)
{
}

} // namespace Vexal
