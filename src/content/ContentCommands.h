#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// Command ids of the content journals, from the one number space of BaseTable::Command.
namespace ContentCommands {
enum Id {
    AddWord = BaseTable::CommandAddWord,
    EditWord = BaseTable::CommandEditWord,
    DeleteWord = BaseTable::CommandDeleteWord,
    Copy = BaseTable::CommandCopy,
    Spin = BaseTable::CommandSpin
};
} // namespace ContentCommands

} // namespace Vexal
