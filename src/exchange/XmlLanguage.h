#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBLanguage;

class XmlLanguage : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlLanguage(QObject* parent = nullptr);

    DBLanguage* item() const { return m_item; }

private:
    DBLanguage* m_item = nullptr;
};

} // namespace Vexal
