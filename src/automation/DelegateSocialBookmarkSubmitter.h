#pragma once

#include "automation/DelegateSubmitter.h"

namespace Vexal {

class DBSocialBookmark;
class DBSocialBookmarkTemplate;

// Fills a social bookmark form with one stored bookmark.
class DelegateSocialBookmarkSubmitter final : public DelegateSubmitter
{
    Q_OBJECT
public:
    DelegateSocialBookmarkSubmitter(QWebView* view, QObject* parent);

    // A websiteId below 0 goes straight to smart recognition.
    void submit(int socialBookmarkId, int websiteId);
    void fillByTemplate(const DBSocialBookmark* bookmark, const DBSocialBookmarkTemplate* templ);
    void fillSmart(const DBSocialBookmark* bookmark);
};

} // namespace Vexal
