#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBSpinnedArticle;

class XmlSpinnedArticle : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlSpinnedArticle(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBSpinnedArticle* item() const { return m_item; }

private:
    DBSpinnedArticle* m_item = nullptr;
};

} // namespace Vexal
