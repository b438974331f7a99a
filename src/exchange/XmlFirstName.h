#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBFirstName;

class XmlFirstName : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlFirstName(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBFirstName* item() const { return m_item; }

private:
    DBFirstName* m_item = nullptr;
};

} // namespace Vexal
