#include "shell/PageDomFactory.h"

#include "shell/WebKitPageDom.h"

#include <QHash>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

namespace Vexal {

namespace {

// The access of a view while it lives; it leaves the list as it ends.
class SharedPageDom final : public WebKitPageDom
{
public:
    explicit SharedPageDom(QWebView* view)
        : WebKitPageDom(view)
        , m_key(view)
    {
        if (m_key)
            accesses().insert(m_key, this);
    }

    ~SharedPageDom() override
    {
        const auto it = accesses().find(m_key);
        if (it != accesses().end() && it.value() == this)
            accesses().erase(it);
    }

    static QHash<const QWebView*, SharedPageDom*>& accesses()
    {
        static QHash<const QWebView*, SharedPageDom*> map;
        return map;
    }

private:
    const QWebView* m_key;
};

} // namespace

PageDomHandle::PageDomHandle(QWebView* view)
    : PageDomHandle(PageDomFactory::forView(view))
{
}

namespace PageDomFactory {

PageDomHandle forView(QWebView* view)
{
    // A view closed and another made at its address: the old access reads
    // no view and is left to those who hold it.
    SharedPageDom* access = view ? SharedPageDom::accesses().value(view) : nullptr;
    if (!access || access->view() != view)
        access = new SharedPageDom(view);
    return PageDomHandle(access);
}

QWebView* viewOf(const PageDom* dom)
{
    const auto* web = dynamic_cast<const WebKitPageDom*>(dom);
    return web ? web->view() : nullptr;
}

} // namespace PageDomFactory
} // namespace Vexal
