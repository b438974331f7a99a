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
class UtilFileDialog : public QObject
{
    Q_OBJECT
public:
    explicit UtilFileDialog(QObject* parent = nullptr);

    static QString filterHtml();
    static QString filterImage();
    static QString filterImages() { return filterImage(); }
    static QString filterXml();
    static QString filterAll();
    static QString filterOpen() { return filterAll(); }

    // Remembers the chosen folder only when remember is true (folder fields
    // of forms pass false).
    static QString getExistingDirectory(QWidget* parent, bool remember);
    static QString getExistingDirectory(QWidget* parent);
    // Remembers the folder of the first chosen file.
    static QStringList getOpenFileNames(QWidget* parent, const QString& filter);
    static QString getOpenFileName(QWidget* parent, const QString& filter);
    static QString getSaveFileName(QWidget* parent, const QString& filter);

    // The absolute folder of a chosen file ("" for no file).
    static QString folderOf(const QString& file);
};

} // namespace Vexal
