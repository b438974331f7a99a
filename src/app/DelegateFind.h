#pragma once

#include "shell/DelegateBase.h"

namespace Vexal {

class WidFindBase;
class WidFind;
class WidReplace;
class WidGotoLine;

// The Edit menu's find, replace and go-to-line commands: shows the right bar
// (at most one of the three is visible) and forwards the bars' requests to the
// current tab page. The caller hands over the three bars right after
// construction; a bar that was not handed over is reported as missing.
class DelegateFind : public DelegateBase
{
    Q_OBJECT
public:
    DelegateFind(WidTabManager* tabManager, QObject* parent);

    void setFindBar(WidFind* bar) { m_findBar = bar; }
    void setReplaceBar(WidReplace* bar) { m_replaceBar = bar; }
    void setGotoLineBar(WidGotoLine* bar) { m_gotoLineBar = bar; }

    WidFind* findBar() const { return m_findBar; }
    WidReplace* replaceBar() const { return m_replaceBar; }
    WidGotoLine* gotoLineBar() const { return m_gotoLineBar; }

    void showFind();
    void showReplace();
    void showGotoLine();
    void findNext();
    void findPrevious();

    void find(const QString& text, bool forward, bool matchCase);
    void findAll(const QString& text, bool matchCase);
    void replace(const QString& text, const QString& with, bool forward, bool matchCase);
    void replaceAll(const QString& text, const QString& with, bool matchCase);
    void gotoLine(int line);

private:
    // False (and reported) when the bar is missing.
    bool showBar(WidFindBase* bar, const QString& name);
    // The current tab when the bar is there and visible; a hidden bar drops
    // the request silently.
    BaseTab* tabForBar(WidFindBase* bar, const QString& name) const;

    WidFind* m_findBar = nullptr;
    WidReplace* m_replaceBar = nullptr;
    WidGotoLine* m_gotoLineBar = nullptr;
};

} // namespace Vexal
