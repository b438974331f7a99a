#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBBookmark;

class XmlBookmark : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlBookmark(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBBookmark* item() const { return m_item; }

private:
    DBBookmark* m_item = nullptr;
};

} // namespace Vexal
