#include "automation/submit/SmartContentValues.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldContent.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "texts/Utils.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace Vexal {

namespace {

bool anyOfKind(const QList<SmartElement*>& controls, int kind, bool (SmartElement::*fact)() const)
{
    return std::any_of(controls.begin(), controls.end(),
                       [&](const SmartElement* control) { return control->kind() == kind && (control->*fact)(); });
}

QString joinedTags(bool bySpaces, const QString& stored)
{
    if (!bySpaces)
        return Utils::normalizeTags(stored);
    QStringList tags;
    for (const QString& tag : stored.split(QLatin1Char(','))) {
        const QString words = tag.simplified();
        if (!words.isEmpty())
            tags << words;
    }
    return tags.join(QLatin1Char(' '));
}

QString address(bool withoutScheme, const QString& stored)
{
    if (!withoutScheme)
        return stored;
    static const QRegularExpression scheme(QStringLiteral("^\\s*[a-z][a-z0-9+.-]*://"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString(stored).remove(scheme).trimmed();
}

} // namespace

QString SmartContentValues::tags(const QList<SmartElement*>& controls, const QString& stored)
{
    return joinedTags(anyOfKind(controls, SmartElement::KindTags, &SmartElement::separatesBySpaces), stored);
}

QString SmartContentValues::url(const QList<SmartElement*>& controls, const QString& stored)
{
    return address(anyOfKind(controls, SmartElement::KindWebsite, &SmartElement::followsScheme), stored);
}

QString SmartContentValues::forBox(int field, const PageElement& box, const QList<SmartLabel*>& labels,
                                   const QString& stored)
{
    const int index = SmartLabel::indexOf(labels, box);
    if (field == SmartElement::KindTags)
        return joinedTags(SmartFieldContent::asksSpaces(box, labels, index, SmartKeywords::Everywhere), stored);
    if (field == SmartElement::KindWebsite && SmartElement::typeOf(box) == SmartElement::TypeText)
        return address(SmartFieldContent::followsScheme(box, labels, index), stored);
    return stored;
}

} // namespace Vexal
