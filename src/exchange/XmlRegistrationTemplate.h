#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBRegistrationTemplate;

class XmlRegistrationTemplate : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlRegistrationTemplate(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBRegistrationTemplate* item() const { return m_item; }

private:
    DBRegistrationTemplate* m_item = nullptr;
};

} // namespace Vexal
