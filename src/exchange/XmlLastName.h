#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBLastName;

class XmlLastName : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlLastName(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBLastName* item() const { return m_item; }

private:
    DBLastName* m_item = nullptr;
};

} // namespace Vexal
