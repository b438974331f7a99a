#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBHistory;

class XmlHistory : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlHistory(QObject* parent = nullptr);

    void write(QDomDocument& document, QDomElement& item) override;
    bool read(const QDomElement& item) override;

    DBHistory* item() const { return m_item; }

private:
    DBHistory* m_item = nullptr;
};

} // namespace Vexal
