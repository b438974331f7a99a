#pragma once

#include "widgets/DlgBase.h"

class QComboBox;

namespace Vexal {

class DBListBase;
class WidDataSourceComboBox;

// Picks one stored record for the form filler: a source kind, then one
// record of it.
class DlgDataSource final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // The current source code; 0 when there is none.
    int sourceType() const;
    // The chosen record's id; -1 when the box is empty.
    qint64 recordId() const;

    WidDataSourceComboBox* sourceBox() const { return m_sourceBox; }
    QComboBox* recordBox() const { return m_recordBox; }

public slots:
    void slotSourceChanged();

protected:
    void createWidgets() override;
    void connectWidgets() override;

private:
    void fillRecords(DBListBase* list);

    WidDataSourceComboBox* m_sourceBox = nullptr;
    QComboBox* m_recordBox = nullptr;
};

} // namespace Vexal
