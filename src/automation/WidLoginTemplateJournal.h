#pragma once

#include "automation/BaseTypeTemplateJournal.h"

namespace Vexal {

class WidLoginTemplateTable;

class WidLoginTemplateJournal final : public BaseTypeTemplateJournal
{
    Q_OBJECT
public:
    explicit WidLoginTemplateJournal(QWidget* parent = nullptr);

    QString title() const override;
    WidLoginTemplateTable* templateTable() const;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
