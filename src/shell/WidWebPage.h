#pragma once

#include <QWebPage>

namespace Vexal {

// The page of every web view: bound to the shared network manager, it hands
// the link under the mouse to the signal hub. A page that cannot be loaded
// shows the engine's error page, headed by the cause where the network layer
// names none of its own.
class WidWebPage final : public QWebPage
{
    Q_OBJECT
public:
    explicit WidWebPage(QObject* parent = nullptr);

    bool extension(Extension extension, const ExtensionOption* option = nullptr,
                   ExtensionReturn* output = nullptr) override;

public slots:
    void handleLinkHovered(const QString& link, const QString& title, const QString& textContent);
};

} // namespace Vexal
