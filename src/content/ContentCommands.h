#pragma once

namespace Vexal {

// Command ids of the content journals (one number space with BaseTable::Command).
namespace ContentCommands {
enum Id {
    AddWord = 7,
    EditWord = 8,
    DeleteWord = 9,
    Copy = 20,
    Spin = 24
};
} // namespace ContentCommands

} // namespace Vexal
