#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBCategory;

class XmlCategory : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlCategory(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBCategory* item() const { return m_item; }

private:
    DBCategory* m_item = nullptr;
};

} // namespace Vexal
