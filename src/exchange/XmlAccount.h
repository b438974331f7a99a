#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBAccount;

class XmlAccount : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlAccount(QObject* parent = nullptr);

    void write(QDomDocument& document, QDomElement& item) override;
    bool read(const QDomElement& item) override;

    DBAccount* item() const { return m_item; }

private:
    DBAccount* m_item = nullptr;
};

} // namespace Vexal
