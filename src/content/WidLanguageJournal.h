#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The languages journal.
class WidLanguageJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidLanguageJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
