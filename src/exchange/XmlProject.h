#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBProject;

class XmlProject : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlProject(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBProject* item() const { return m_item; }

private:
    DBProject* m_item = nullptr;
};

} // namespace Vexal
