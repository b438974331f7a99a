#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

class WidSocialBookmarkTemplateJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkTemplateJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
