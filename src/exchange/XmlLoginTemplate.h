#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBLoginTemplate;

class XmlLoginTemplate : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlLoginTemplate(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBLoginTemplate* item() const { return m_item; }

private:
    DBLoginTemplate* m_item = nullptr;
};

} // namespace Vexal
