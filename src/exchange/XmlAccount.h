#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBAccount;

class XmlAccount : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlAccount(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBAccount* item() const { return m_item; }

private:
    DBAccount* m_item = nullptr;
};

} // namespace Vexal
