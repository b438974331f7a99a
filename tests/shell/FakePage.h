#pragma once

#include "FreshStateTest.h"
#include "shell/BaseTab.h"
#include "shell/BaseTabObject.h"
#include "shell/WidTabManager.h"

#include <QStringList>
#include <QWidget>

// A tab page for tests: records the calls the tab manager makes on it and
// lets a test set its flags and title.
class FakePage : public QWidget, public Vexal::BaseTab
{
    Q_OBJECT
public:
    explicit FakePage(QWidget* parent = nullptr)
        : QWidget(parent)
    {
    }

    QString title() const override { return pageTitle.isNull() ? BaseTab::title() : pageTitle; }
    bool isWebPage() const override { return webPage; }
    bool isLocked() const override { return locked; }
    bool isNinja() const override { return ninja; }
    void setLocked(bool on) override { locked = on; }
    void setNinja(bool on) override { ninja = on; }
    void setTabManager(Vexal::WidTabManager* manager) override
    {
        calls << QStringLiteral("setTabManager");
        BaseTab::setTabManager(manager);
    }
    void prepare() override { calls << QStringLiteral("prepare"); }
    void setInit(QObject* init) override
    {
        calls << QStringLiteral("setInit");
        BaseTab::setInit(init);
    }
    void open() override { calls << QStringLiteral("open"); }
    void reload() override { calls << QStringLiteral("reload"); }
    void aboutToClose() override { calls << QStringLiteral("aboutToClose"); }

    void changeTitle(const QString& text)
    {
        pageTitle = text;
        tabObject()->emitOnStateChanged(this);
    }

    QStringList calls;
    QString pageTitle;
    bool webPage = false;
    bool locked = false;
    bool ninja = false;
};

// A second page class, told apart by its class name.
class OtherPage : public FakePage
{
    Q_OBJECT
public:
    using FakePage::FakePage;
};

// Base of the tests whose tab managers make fake pages for their web tabs:
// each function starts and ends on a fresh state, and between, a new web tab
// is what the factory makes (a FakePage unless told).
class FakePageTest : public FreshStateTest
{
    Q_OBJECT
protected:
    explicit FakePageTest(Vexal::WidTabManager::WebTabFactory factory =
                              [](QWidget* parent) { return new FakePage(parent); })
        : m_factory(std::move(factory))
    {
    }

private slots:
    void init()
    {
        reset();
        Vexal::WidTabManager::setWebTabFactory(m_factory);
    }
    void cleanup()
    {
        Vexal::WidTabManager::setWebTabFactory(nullptr);
        reset();
    }

private:
    Vexal::WidTabManager::WebTabFactory m_factory;
};
