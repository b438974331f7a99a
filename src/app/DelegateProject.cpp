#include "app/DelegateProject.h"

#include "automation/ExtArticleSubmitter.h"
#include "automation/ExtDirectorySubmitter.h"
#include "automation/ExtSocialBookmarkSubmitter.h"
#include "content/WidArticleJournal.h"
#include "content/WidCategoryJournal.h"
#include "content/WidDirectoryJournal.h"
#include "content/WidSocialBookmarkJournal.h"
#include "content/WidSpinnedArticleJournal.h"
#include "content/WidSynonymJournal.h"
#include "core/Init.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "sites/DlgSelectProject.h"
#include "sites/WidProjectJournal.h"
#include "views/UtilDialog.h"

#include <QUrl>

namespace Vexal {

DelegateProject::DelegateProject(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

void DelegateProject::openJournal(QWidget* journal, Init* init)
{
    WidTabManager* manager = tabManager();
    auto* page = dynamic_cast<BaseTab*>(journal);
    if (!manager || !page) {
        delete journal;
        delete init;
        return;
    }
    manager->addUniqueTab(page, init);
}

void DelegateProject::openProjects() { openJournal(new WidProjectJournal(parentWidget())); }
void DelegateProject::openArticles() { openJournal(new WidArticleJournal(parentWidget())); }
void DelegateProject::openCategories() { openJournal(new WidCategoryJournal(parentWidget())); }
void DelegateProject::openSynonyms() { openJournal(new WidSynonymJournal(parentWidget())); }
void DelegateProject::openDirectories() { openJournal(new WidDirectoryJournal(parentWidget())); }
void DelegateProject::openSocialBookmarks() { openJournal(new WidSocialBookmarkJournal(parentWidget())); }
void DelegateProject::openSpinnedArticles() { openJournal(new WidSpinnedArticleJournal(parentWidget())); }

void DelegateProject::openSpinnedArticles(const QString& text)
{
    openJournal(new WidSpinnedArticleJournal(parentWidget()), new Init(QUrl(text)));
}

void DelegateProject::switchToProject()
{
    DlgSelectProject dialog(parentWidget());
    dialog.build(nullptr);
    UtilDialog::exec(&dialog);
}

void DelegateProject::openArticleSubmitter()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->setExtension(new ExtArticleSubmitter(parentWidget()));
}

void DelegateProject::openDirectorySubmitter()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->setExtension(new ExtDirectorySubmitter(parentWidget()));
}

void DelegateProject::openSocialBookmarkSubmitter()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->setExtension(new ExtSocialBookmarkSubmitter(parentWidget()));
}

} // namespace Vexal
