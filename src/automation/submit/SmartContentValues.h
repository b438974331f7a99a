#pragma once

#include "shell/PageDom.h"

#include <QList>
#include <QString>

namespace Vexal {

class SmartElement;
class SmartLabel;

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
// The value of a template's field as the page asks for it beside the box
// the field's selector found (labels: the label sequence of the box's
// form): tags (field SmartElement::KindTags) and an address (KindWebsite)
// as above; any other field's value as stored.
QString forBox(int field, const PageElement& box, const QList<SmartLabel*>& labels, const QString& stored);

} // namespace SmartContentValues

} // namespace Vexal
