#pragma once

#include "automation/submit/BaseRecordSubmitter.h"
#include "automation/submit/DelegateDirectorySubmitter.h"
#include "content/WidDirectoryComboBox.h"
#include "data/DBDirectory.h"

namespace Vexal {

// Submits one of the current project's directory entries to a website of type
// Directories.
class ExtDirectorySubmitter final
    : public BaseRecordSubmitter<WidDirectoryComboBox, DBDirectory, DelegateDirectorySubmitter>
{
    Q_OBJECT
public:
    explicit ExtDirectorySubmitter(QWidget* parent = nullptr);

    WidDirectoryComboBox* directoryBox() const { return recordBox(); }
};

} // namespace Vexal
