#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBRank;

class XmlRank : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlRank(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBRank* item() const { return m_item; }

private:
    DBRank* m_item = nullptr;
};

} // namespace Vexal
