#pragma once

#include "data/DBKind.h"

namespace Vexal {

// What the program remembers without the user editing it: the last folder of
// the file dialogs and the spintax dialect of each part of the two article
// editors (2 Extreme, 4 Advance, 8 Classic). Single-row table "Settings".
class DBSettings final : public DBKind<DBSettings, &DBSql::tableSettings>
{
    Q_OBJECT
public:
    // Long enough for deep paths; a cut path would name another folder.
    static constexpr int lastFolderLimit = 1024;

    using DBKind::DBKind;

    QString lastFolder() const { return m_lastFolder; }
    int articleTitle() const { return m_articleTitle; }
    int articleIntro() const { return m_articleIntro; }
    int articleBody() const { return m_articleBody; }
    int spinnerTitle() const { return m_spinnerTitle; }
    int spinnerIntro() const { return m_spinnerIntro; }
    int spinnerBody() const { return m_spinnerBody; }

    void setLastFolder(const QString& folder) { change(m_lastFolder, folder, lastFolderLimit); }
    void setArticleTitle(int mode) { change(m_articleTitle, mode); }
    void setArticleIntro(int mode) { change(m_articleIntro, mode); }
    void setArticleBody(int mode) { change(m_articleBody, mode); }
    void setSpinnerTitle(int mode) { change(m_spinnerTitle, mode); }
    void setSpinnerIntro(int mode) { change(m_spinnerIntro, mode); }
    void setSpinnerBody(int mode) { change(m_spinnerBody, mode); }

    const DBFields& fields() const override;

private:
    QString m_lastFolder;
    int m_articleTitle = 2;
    int m_articleIntro = 2;
    int m_articleBody = 2;
    int m_spinnerTitle = 2;
    int m_spinnerIntro = 2;
    int m_spinnerBody = 2;
};

} // namespace Vexal
