#pragma once

#include "shell/DelegateBase.h"

namespace Vexal {

// The Projects menu's commands: the project and content journals (each
// opened once; an open one is focused), the project switch and the
// submitter panels.
class DelegateProject : public DelegateBase
{
    Q_OBJECT
public:
    DelegateProject(WidTabManager* tabManager, QObject* parent);

    void openProjects();
    void openArticles();
    void openCategories();
    void openSynonyms();
    void openDirectories();
    void openSocialBookmarks();
    void openSpinnedArticles();
    // The spun articles journal started with the text as its address.
    void openSpinnedArticles(const QString& text);
    // The select-project dialog; accepting it switches the current project.
    void switchToProject();
    // The submitter panels, attached to the current web tab; on another kind
    // of tab only the web-tabs-only warning.
    void openArticleSubmitter();
    void openDirectorySubmitter();
    void openSocialBookmarkSubmitter();
};

} // namespace Vexal
