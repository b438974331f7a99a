#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBMasterAccount;

class XmlMasterAccount : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlMasterAccount(QObject* parent = nullptr);

    void write(QDomDocument& document, QDomElement& item) override;
    bool read(const QDomElement& item) override;

    DBMasterAccount* item() const { return m_item; }

private:
    DBMasterAccount* m_item = nullptr;
};

} // namespace Vexal
