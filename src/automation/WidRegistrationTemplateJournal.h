#pragma once

#include "automation/BaseTypeTemplateJournal.h"

namespace Vexal {

class WidRegistrationTemplateTable;

class WidRegistrationTemplateJournal final : public BaseTypeTemplateJournal
{
    Q_OBJECT
public:
    explicit WidRegistrationTemplateJournal(QWidget* parent = nullptr);

    QString title() const override;
    WidRegistrationTemplateTable* templateTable() const;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
