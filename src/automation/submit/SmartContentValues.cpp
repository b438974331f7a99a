#include "automation/submit/SmartContentValues.h"

#include "automation/smart/SmartElement.h"
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

} // namespace

QString SmartContentValues::tags(const QList<SmartElement*>& controls, const QString& stored)
{
    if (!anyOfKind(controls, SmartElement::KindTags, &SmartElement::separatesBySpaces))
        return Utils::normalizeTags(stored);
    QStringList tags;
    for (const QString& tag : stored.split(QLatin1Char(','))) {
        const QString words = tag.simplified();
        if (!words.isEmpty())
            tags << words;
    }
    return tags.join(QLatin1Char(' '));
}

QString SmartContentValues::url(const QList<SmartElement*>& controls, const QString& stored)
{
    if (!anyOfKind(controls, SmartElement::KindWebsite, &SmartElement::followsScheme))
        return stored;
    static const QRegularExpression scheme(QStringLiteral("^\\s*[a-z][a-z0-9+.-]*://"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString(stored).remove(scheme).trimmed();
}

} // namespace Vexal
