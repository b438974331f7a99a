#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBOnlineTool;

class XmlOnlineTool : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlOnlineTool(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBOnlineTool* item() const { return m_item; }

private:
    DBOnlineTool* m_item = nullptr;
};

} // namespace Vexal
