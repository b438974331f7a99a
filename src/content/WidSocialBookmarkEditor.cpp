#include "content/WidSocialBookmarkEditor.h"

#include "data/DBSocialBookmark.h"
#include "texts/LocaleSocialBookmark.h"

namespace Vexal {

WidSocialBookmarkEditor::WidSocialBookmarkEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBSocialBookmark>(LocaleSocialBookmark::socialBookmark))
{
}

void WidSocialBookmarkEditor::createWidgets()
{
    addNameField(LocaleSocialBookmark::name());
    addTextField(LocaleSocialBookmark::title(), &DBSocialBookmark::title, &DBSocialBookmark::setTitle);
    addTextField(LocaleSocialBookmark::tags(), &DBSocialBookmark::tags, &DBSocialBookmark::setTags);
    urlEdit = addTextField(LocaleSocialBookmark::url(), &DBSocialBookmark::url, &DBSocialBookmark::setUrl,
                           LocaleSocialBookmark::urlPrefix());
    addTextArea(LocaleSocialBookmark::description(), &DBSocialBookmark::description,
                &DBSocialBookmark::setDescription);
    addTextArea(LocaleSocialBookmark::comments(), &DBSocialBookmark::comments, &DBSocialBookmark::setComments);
    finishForm();
}

} // namespace Vexal
