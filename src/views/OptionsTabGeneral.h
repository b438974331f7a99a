#pragma once

#include "views/OptionsTabBase.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Vexal {

class WidFolderEdit;

// Start-up, downloads and the folder of the file dialogs.
class OptionsTabGeneral final : public OptionsTabBase
{
    Q_OBJECT
public:
    // Items of the start-up box.
    enum StartupItem { ShowHomePage, ShowBlankPage, UseDefaultSettings };

    using OptionsTabBase::OptionsTabBase;

    QComboBox* startupBox() const { return m_startup; }
    QLineEdit* homePageEdit() const { return m_homePage; }
    QCheckBox* showDownloadsBox() const { return m_showDownloads; }
    QCheckBox* closeDownloadsBox() const { return m_closeDownloads; }
    QComboBox* downloadsBox() const { return m_downloads; }
    WidFolderEdit* downloadsFolderEdit() const { return m_downloadsFolder; }
    QCheckBox* keepLastFolderBox() const { return m_keepLastFolder; }
    WidFolderEdit* defaultFolderEdit() const { return m_defaultFolder; }

protected:
    void createWidgets() override;

private:
    QComboBox* m_startup = nullptr;
    QLineEdit* m_homePage = nullptr;
    QCheckBox* m_showDownloads = nullptr;
    QCheckBox* m_closeDownloads = nullptr;
    QComboBox* m_downloads = nullptr;
    WidFolderEdit* m_downloadsFolder = nullptr;
    QCheckBox* m_keepLastFolder = nullptr;
    WidFolderEdit* m_defaultFolder = nullptr;
};

} // namespace Vexal
