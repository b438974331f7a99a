#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBCountry;

class XmlCountry : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlCountry(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBCountry* item() const { return m_item; }

private:
    DBCountry* m_item = nullptr;
};

} // namespace Vexal
