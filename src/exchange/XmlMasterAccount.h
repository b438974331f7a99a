#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBMasterAccount;

class XmlMasterAccount : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlMasterAccount(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBMasterAccount* item() const { return m_item; }

private:
    DBMasterAccount* m_item = nullptr;
};

} // namespace Vexal
