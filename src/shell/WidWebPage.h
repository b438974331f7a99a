#pragma once

#include <QWebPage>

namespace Vexal {

// The page of every web view: bound to the shared network manager, it hands
// the link under the mouse to the signal hub.
class WidWebPage final : public QWebPage
{
    Q_OBJECT
public:
    explicit WidWebPage(QObject* parent = nullptr);

public slots:
    void handleLinkHovered(const QString& link, const QString& title, const QString& textContent);
};

} // namespace Vexal
