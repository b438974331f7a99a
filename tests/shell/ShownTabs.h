#pragma once

#include "FakePage.h"
#include "shell/WidTabManager.h"

#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

// A shown tab manager with its default (web) tab, worked as a user works it.
struct ShownTabs {
    Vexal::WidTabManager widget;
    ShownTabs()
    {
        widget.resize(800, 400);
        widget.build();
        widget.show();
    }
    // The tab list menu.
    QMenu* list() const { return widget.findChild<QToolButton*>()->menu(); }
    QAction* action(const QString& text) const
    {
        for (QAction* action : widget.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
    FakePage* add(FakePage* page, bool focus = false)
    {
        return dynamic_cast<FakePage*>(widget.addTab(page, nullptr, false, focus));
    }
    void rightClick(int index)
    {
        QTabBar* bar = widget.tabBar();
        QTest::mousePress(bar, Qt::RightButton, {}, bar->tabRect(index).center());
    }
};
