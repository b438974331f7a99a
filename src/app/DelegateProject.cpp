#include "app/DelegateProject.h"

#include "app/DelegateSteps.h"
#include "automation/submit/ExtArticleSubmitter.h"
#include "automation/submit/ExtDirectorySubmitter.h"
#include "automation/submit/ExtSocialBookmarkSubmitter.h"
#include "content/WidArticleJournal.h"
#include "content/WidCategoryJournal.h"
#include "content/WidDirectoryJournal.h"
#include "content/WidSocialBookmarkJournal.h"
#include "content/WidSpinnedArticleJournal.h"
#include "content/WidSynonymJournal.h"
#include "core/Init.h"
#include "shell/WidTabManager.h"
#include "sites/DlgSelectProject.h"
#include "sites/WidProjectJournal.h"
#include "views/UtilDialog.h"

#include <QUrl>

namespace Vexal {

DelegateProject::DelegateProject(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

void DelegateProject::openProjects() { openUniqueTab<WidProjectJournal>(); }
void DelegateProject::openArticles() { openUniqueTab<WidArticleJournal>(); }
void DelegateProject::openCategories() { openUniqueTab<WidCategoryJournal>(); }
void DelegateProject::openSynonyms() { openUniqueTab<WidSynonymJournal>(); }
void DelegateProject::openDirectories() { openUniqueTab<WidDirectoryJournal>(); }
void DelegateProject::openSocialBookmarks() { openUniqueTab<WidSocialBookmarkJournal>(); }
void DelegateProject::openSpinnedArticles() { openUniqueTab<WidSpinnedArticleJournal>(); }

void DelegateProject::openSpinnedArticles(const QString& text)
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(std::make_unique<WidSpinnedArticleJournal>(parentWidget()),
                              std::make_unique<Init>(QUrl(text)));
}

void DelegateProject::switchToProject()
{
    DlgSelectProject dialog(parentWidget());
    dialog.build(nullptr);
    UtilDialog::exec(&dialog);
}

void DelegateProject::openArticleSubmitter() { openPanel<ExtArticleSubmitter>(*this); }

void DelegateProject::openDirectorySubmitter() { openPanel<ExtDirectorySubmitter>(*this); }

void DelegateProject::openSocialBookmarkSubmitter() { openPanel<ExtSocialBookmarkSubmitter>(*this); }

} // namespace Vexal
