#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBSynonym;

class XmlSynonym : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlSynonym(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBSynonym* item() const { return m_item; }

private:
    DBSynonym* m_item = nullptr;
};

} // namespace Vexal
