#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBWord;

class XmlWord : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlWord(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBWord* item() const { return m_item; }

private:
    DBWord* m_item = nullptr;
};

} // namespace Vexal
