#pragma once

#include "automation/DelegateSubmitter.h"

namespace Vexal {

class DBDirectory;
class DBDirectoryTemplate;

// Fills a directory listing form with one directory entry.
class DelegateDirectorySubmitter final : public DelegateSubmitter
{
    Q_OBJECT
public:
    DelegateDirectorySubmitter(QWebView* view, QObject* parent);

    // A websiteId below 0 goes straight to smart recognition.
    void submit(int directoryId, int websiteId);
    void fillByTemplate(const DBDirectory* directory, const DBDirectoryTemplate* templ);
    void fillSmart(const DBDirectory* directory);
};

} // namespace Vexal
