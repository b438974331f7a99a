#pragma once

#include <QObject>

class QWidget;

namespace Vexal {

// The signal carrier that lives beside every tab page and web-tab panel: the
// pages themselves carry the plain BaseTab interface and are no QObject of
// their own making.
class BaseTabObject final : public QObject
{
    Q_OBJECT
public:
    explicit BaseTabObject(QObject* parent = nullptr);

    void emitOnStateChanged(QWidget* sender);
    void emitOnClose(QWidget* sender);

signals:
    // The page's title, icon, tooltip or flags changed.
    void onStateChanged(QWidget* sender);
    // The page or panel asks its holder to close it.
    void onClose(QWidget* sender);
};

} // namespace Vexal
