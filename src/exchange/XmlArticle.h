#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBArticle;

class XmlArticle : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlArticle(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBArticle* item() const { return m_item; }

private:
    DBArticle* m_item = nullptr;
};

} // namespace Vexal
