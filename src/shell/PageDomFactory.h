#pragma once

#include "shell/PageDom.h"

class QWebView;

namespace Vexal {

// Hands out the page access of a web view: automation reads and writes pages
// only through what it hands out, and holds it by a handle. One rule for its
// life: an access lives while a handle or one of its elements holds it, and
// holds of the page only the elements that are still named.
namespace PageDomFactory {

// The page access of the view, shared by everyone who asks for the same view
// while it lives (so elements found by one reader are equal to the same
// elements found by another). A null or closed view reads as no page.
PageDomHandle forView(QWebView* view);
// The web view an access handed out here reads; null for any other access.
QWebView* viewOf(const PageDom* dom);

} // namespace PageDomFactory
} // namespace Vexal
