#pragma once

#include "automation/templates/DBDirectoryTemplate.h"
#include "automation/submit/DelegateSubmitter.h"
#include "data/DBDirectory.h"

namespace Vexal {

// Fills a directory listing form with one directory entry.
class DelegateDirectorySubmitter final
    : public DelegateRecordSubmitter<DBDirectory, DBDirectoryTemplate, DBTemplateList::KindDirectory,
                                     &DBTemplateList::directoryTemplateAt>
{
    Q_OBJECT
public:
    using DelegateRecordSubmitter::DelegateRecordSubmitter;

    void fillByTemplate(const DBDirectory* directory, const DBDirectoryTemplate* templ) override;
    void fillSmart(const DBDirectory* directory) override;
};

} // namespace Vexal
