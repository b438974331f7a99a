#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBWebsite;

class XmlWebsite : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlWebsite(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBWebsite* item() const { return m_item; }

private:
    DBWebsite* m_item = nullptr;
};

} // namespace Vexal
