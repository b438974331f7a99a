#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace Vexal {

// The program's folder, open and save dialogs: each carries the program title,
// starts in the cached last folder (DBCache::lastFolder) and hands the folder
// of the user's choice to DBCache::setLastFolder. A cancelled dialog gives an
// empty result and changes no folder. The dialogs run through the prompt hook
// (UtilPrompt).
namespace UtilFileDialog {

QString filterHtml();
QString filterImage();
inline QString filterImages() { return filterImage(); }
QString filterXml();
QString filterAll();
inline QString filterOpen() { return filterAll(); }

// Remembers the chosen folder only when remember is true (folder fields
// of forms pass false).
QString getExistingDirectory(QWidget* parent, bool remember);
QString getExistingDirectory(QWidget* parent);
// Remembers the folder of the first chosen file.
QStringList getOpenFileNames(QWidget* parent, const QString& filter);
QString getOpenFileName(QWidget* parent, const QString& filter);
QString getSaveFileName(QWidget* parent, const QString& filter);

// The absolute folder of a chosen file ("" for no file).
QString folderOf(const QString& file);

} // namespace UtilFileDialog

} // namespace Vexal
