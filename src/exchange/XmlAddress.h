#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBAddress;

class XmlAddress : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlAddress(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBAddress* item() const { return m_item; }

private:
    DBAddress* m_item = nullptr;
};

} // namespace Vexal
