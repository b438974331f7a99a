#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBCity;

class XmlCity : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlCity(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBCity* item() const { return m_item; }

private:
    DBCity* m_item = nullptr;
};

} // namespace Vexal
