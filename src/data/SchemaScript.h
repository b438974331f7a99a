#pragma once

#include <QString>
#include <QStringList>

namespace Vexal {
namespace SchemaScript {

// The statements of a schema script in order: its lines without the whole
// comment lines ("--"), split at each ';', trimmed, empty ones left out.
// The program's start-up and the build tool that makes the new database of
// a first start split it alike.
QStringList statements(const QString& script);

} // namespace SchemaScript
} // namespace Vexal
