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

namespace {
const int socialBookmarksType = 128;
}

ExtSocialBookmarkSubmitter::ExtSocialBookmarkSubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
}

QString ExtSocialBookmarkSubmitter::caption() const
{
    return LocaleSubmitter::socialBookmarkSubmitter();
}

void ExtSocialBookmarkSubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    auto* label = new QLabel(LocaleSocialBookmark::socialBookmark(), body());
    m_socialBookmarkBox = new WidSocialBookmarkComboBox(body());
    UtilGui::addRow(grid(), typeLabel(), typeBox());
    UtilGui::addRow(grid(), websiteLabel(), websiteBox());
    UtilGui::addRow(grid(), label, m_socialBookmarkBox);
}

void ExtSocialBookmarkSubmitter::fillFieldList()
{
    addDragItem(LocaleSocialBookmark::title());
    addDragItem(LocaleSocialBookmark::tags());
    addDragItem(LocaleSocialBookmark::url());
    addDragItem(LocaleSocialBookmark::description());
}

void ExtSocialBookmarkSubmitter::connectWidgets()
{
    BaseSubmitter::connectWidgets();
    connect(m_socialBookmarkBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BaseSubmitter::slotRefreshDragDrop, Qt::UniqueConnection);
}

void ExtSocialBookmarkSubmitter::disconnectWidgets()
{
    BaseSubmitter::disconnectWidgets();
    disconnect(m_socialBookmarkBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &BaseSubmitter::slotRefreshDragDrop);
}

void ExtSocialBookmarkSubmitter::selectType(int)
{
    typeBox()->fill();
    typeBox()->setEnabled(false);
    typeBox()->setCurrentType(socialBookmarksType);
}

void ExtSocialBookmarkSubmitter::loadWebsites(int websiteId)
{
    websiteBox()->reloadAndSelect(socialBookmarksType, websiteId);
}

void ExtSocialBookmarkSubmitter::loadItems()
{
    m_socialBookmarkBox->reload();
}

void ExtSocialBookmarkSubmitter::fillValues()
{
    if (!m_socialBookmarkBox->hasSelection()) {
        clearDragValues();
        return;
    }
    DBSocialBookmark bookmark;
    if (!bookmark.load(m_socialBookmarkBox->currentId())) {
        reportRecordError(&bookmark);
        return;
    }
    setDragValues({bookmark.title(), Utils::normalizeTags(bookmark.tags()), bookmark.url(), bookmark.description()});
}

void ExtSocialBookmarkSubmitter::slotSubmit()
{
    setContext(LocaleSubmitter::submit());
    if (!m_socialBookmarkBox->hasSelection()) {
        warnRequiredItemsMissing();
        return;
    }
    DelegateSocialBookmarkSubmitter delegate(webView(), this);
    delegate.submit(m_socialBookmarkBox->currentId(), websiteBox()->currentId());
}

} // namespace Vexal
