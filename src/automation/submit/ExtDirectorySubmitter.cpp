#include "automation/submit/ExtDirectorySubmitter.h"

#include "automation/submit/LocaleSubmitter.h"
#include "data/WebsiteType.h"
#include "texts/LocaleDirectory.h"
#include "texts/Utils.h"

namespace Vexal {

namespace {

QStringList fieldCaptions()
{
    return {LocaleDirectory::title(),       LocaleDirectory::tags(),     LocaleDirectory::url(),
            LocaleDirectory::description(), LocaleDirectory::userName(), LocaleDirectory::userEmail()};
}

QStringList fieldValues(const DBDirectory& entry)
{
    return {entry.title(),       Utils::normalizeTags(entry.tags()), entry.url(),
            entry.description(), entry.userName(),                   entry.userEmail()};
}

} // namespace

ExtDirectorySubmitter::ExtDirectorySubmitter(QWidget* parent)
    : BaseRecordSubmitter({WebsiteType::Directories, &LocaleSubmitter::directorySubmitter, &LocaleDirectory::directory,
                           &fieldCaptions, &fieldValues},
                          parent)
{
}

} // namespace Vexal
