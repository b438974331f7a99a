#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The journal of the stored page ranks.
class WidRankJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidRankJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
