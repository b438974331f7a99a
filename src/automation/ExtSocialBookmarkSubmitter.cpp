#include "automation/ExtSocialBookmarkSubmitter.h"

#include "automation/DelegateSocialBookmarkSubmitter.h"
#include "automation/LocaleSubmitter.h"
#include "content/WidSocialBookmarkComboBox.h"
#include "data/DBSocialBookmark.h"
#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleSocialBookmark.h"

#include <QLabel>

namespace Vexal {

ExtSocialBookmarkSubmitter::ExtSocialBookmarkSubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
    setFixedType(WebsiteType::SocialBookmarks);
}

QString ExtSocialBookmarkSubmitter::caption() const
{
    return LocaleSubmitter::socialBookmarkSubmitter();
}

void ExtSocialBookmarkSubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    m_socialBookmarkBox = new WidSocialBookmarkComboBox(body());
    addRecordChooser(LocaleSocialBookmark::socialBookmark(), m_socialBookmarkBox);
}

void ExtSocialBookmarkSubmitter::fillFieldList()
{
    addDragItems({LocaleSocialBookmark::title(), LocaleSocialBookmark::tags(), LocaleSocialBookmark::url(),
                  LocaleSocialBookmark::description()});
}

void ExtSocialBookmarkSubmitter::loadItems()
{
    m_socialBookmarkBox->reload();
}

void ExtSocialBookmarkSubmitter::fillValues()
{
    DBSocialBookmark bookmark;
    if (loadChosen(m_socialBookmarkBox, &bookmark))
        setDragValues(
            {bookmark.title(), Utils::normalizeTags(bookmark.tags()), bookmark.url(), bookmark.description()});
}

void ExtSocialBookmarkSubmitter::slotSubmit()
{
    if (!startSubmit({m_socialBookmarkBox}))
        return;
    DelegateSocialBookmarkSubmitter delegate(webView(), this);
    delegate.submit(m_socialBookmarkBox->currentId(), websiteBox()->currentId());
}

} // namespace Vexal
