#pragma once

#include "automation/BaseSubmitter.h"

namespace Vexal {

class WidDirectoryComboBox;

// Submits one of the current project's directory entries to a website of type
// Directories.
class ExtDirectorySubmitter final : public BaseSubmitter
{
    Q_OBJECT
public:
    explicit ExtDirectorySubmitter(QWidget* parent = nullptr);

    QString caption() const override;

    WidDirectoryComboBox* directoryBox() const { return m_directoryBox; }

public slots:
    void slotSubmit() override;

protected:
    void createChoosers() override;
    void fillFieldList() override;
    void loadItems() override;
    void fillValues() override;

private:
    WidDirectoryComboBox* m_directoryBox = nullptr;
};

} // namespace Vexal
