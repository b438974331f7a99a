#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBDirectory;

class XmlDirectory : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlDirectory(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBDirectory* item() const { return m_item; }

private:
    DBDirectory* m_item = nullptr;
};

} // namespace Vexal
