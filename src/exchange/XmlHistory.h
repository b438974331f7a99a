#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBHistory;

class XmlHistory : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlHistory(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBHistory* item() const { return m_item; }

private:
    DBHistory* m_item = nullptr;
};

} // namespace Vexal
