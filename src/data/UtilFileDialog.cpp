#include "data/UtilFileDialog.h"

#include "core/ConstApp.h"
#include "core/UtilPrompt.h"
#include "data/DBCache.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Vexal {

namespace {

void rememberFolder(const QString& folder)
{
    if (!folder.isEmpty())
        DBCache::setLastFolder(folder);
}

} // namespace

QString UtilFileDialog::filterHtml()
{
    return QStringLiteral("Web page, HTML only (*.htm *.html);;");
}

QString UtilFileDialog::filterImage()
{
    return QStringLiteral("JPEG Files (*.jpg *.jpeg);; PNG Files (*.png);; BMP Files (*.bmp);;");
}

QString UtilFileDialog::filterXml()
{
    return QStringLiteral("XML Files (*.xml);;");
}

QString UtilFileDialog::filterAll()
{
    return QStringLiteral("All (*.htm *.html *.txt *.png *.jpg *.jpeg *.bmp *.gif *.xml);; HTML Pages (*.htm "
                          "*.html);; Text Files (*.txt);; Images (*.png *.jpg *.jpeg *.bmp *.gif);; XML Files (*.xml)");
}

QString UtilFileDialog::getExistingDirectory(QWidget* parent, bool remember)
{
    const QString folder = UtilPrompt::hook()->existingDirectory(parent, ConstApp::title(), DBCache::lastFolder(),
                                                                 QFileDialog::ShowDirsOnly);
    if (remember)
        rememberFolder(folder);
    return folder;
}

QString UtilFileDialog::getExistingDirectory(QWidget* parent)
{
    return getExistingDirectory(parent, true);
}

QStringList UtilFileDialog::getOpenFileNames(QWidget* parent, const QString& filter)
{
    const QStringList files = UtilPrompt::hook()->openFileNames(parent, ConstApp::title(), DBCache::lastFolder(),
                                                                filter, QFileDialog::Options());
    if (!files.isEmpty())
        rememberFolder(folderOf(files.first()));
    return files;
}

QString UtilFileDialog::getOpenFileName(QWidget* parent, const QString& filter)
{
    const QString file = UtilPrompt::hook()->openFileName(parent, ConstApp::title(), DBCache::lastFolder(), filter,
                                                          QFileDialog::Options());
    rememberFolder(folderOf(file));
    return file;
}

QString UtilFileDialog::getSaveFileName(QWidget* parent, const QString& filter)
{
    const QString file = UtilPrompt::hook()->saveFileName(parent, ConstApp::title(), DBCache::lastFolder(), filter,
                                                          QFileDialog::Options());
    rememberFolder(folderOf(file));
    return file;
}

QString UtilFileDialog::folderOf(const QString& file)
{
    if (file.isEmpty())
        return QString();
    return QFileInfo(file).absolutePath();
}

} // namespace Vexal
