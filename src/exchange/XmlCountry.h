#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBCountry;

class XmlCountry : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlCountry(QObject* parent = nullptr);

    void write(QDomDocument& document, QDomElement& item) override;
    bool read(const QDomElement& item) override;

    DBCountry* item() const { return m_item; }

private:
    DBCountry* m_item = nullptr;
};

} // namespace Vexal
