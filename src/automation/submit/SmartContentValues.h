#pragma once

#include <QList>
#include <QString>

namespace Vexal {

class SmartElement;

// The values of an entry (an article, a directory listing, a bookmark) as
// the recognised form asks for them.
namespace SmartContentValues {

// The stored tags (a comma-separated list) joined as the form's tags box
// asks: by single spaces where it says so, else by commas; empty tags are
// dropped either way.
QString tags(const QList<SmartElement*>& controls, const QString& stored);
// The address without its scheme ("bikes.example/" of
// "http://bikes.example/") where the page writes one before the form's
// address box; else as stored.
QString url(const QList<SmartElement*>& controls, const QString& stored);

} // namespace SmartContentValues

} // namespace Vexal
