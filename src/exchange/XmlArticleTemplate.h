#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBArticleTemplate;

class XmlArticleTemplate : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlArticleTemplate(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBArticleTemplate* item() const { return m_item; }

private:
    DBArticleTemplate* m_item = nullptr;
};

} // namespace Vexal
