#pragma once

#include "automation/BaseSubmitter.h"

namespace Vexal {

class WidSocialBookmarkComboBox;

// Submits one of the current project's social bookmarks to a website of type
// Social Bookmarks.
class ExtSocialBookmarkSubmitter final : public BaseSubmitter
{
    Q_OBJECT
public:
    explicit ExtSocialBookmarkSubmitter(QWidget* parent = nullptr);

    QString caption() const override;

    WidSocialBookmarkComboBox* socialBookmarkBox() const { return m_socialBookmarkBox; }

public slots:
    void slotSubmit() override;

protected:
    void createChoosers() override;
    void fillFieldList() override;
    void loadItems() override;
    void fillValues() override;

private:
    WidSocialBookmarkComboBox* m_socialBookmarkBox = nullptr;
};

} // namespace Vexal
