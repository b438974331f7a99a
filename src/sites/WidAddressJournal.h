#pragma once

#include "sites/WidAddressEditor.h"
#include "sites/WidAddressTable.h"
#include "texts/LocaleIdentity.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The journal of the addresses of the identity generator.
class WidAddressJournal final
    : public BaseRecordJournal<BaseJournal, WidAddressTable, WidAddressEditor, &LocaleIdentity::addresses>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
