#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBRegistrationTemplate;

class XmlRegistrationTemplate : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlRegistrationTemplate(QObject* parent = nullptr);

    void write(QDomDocument& document, QDomElement& item) override;
    bool read(const QDomElement& item) override;

    DBRegistrationTemplate* item() const { return m_item; }

private:
    DBRegistrationTemplate* m_item = nullptr;
};

} // namespace Vexal
