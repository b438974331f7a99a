#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBDirectoryTemplate;

class XmlDirectoryTemplate : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlDirectoryTemplate(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBDirectoryTemplate* item() const { return m_item; }

private:
    DBDirectoryTemplate* m_item = nullptr;
};

} // namespace Vexal
