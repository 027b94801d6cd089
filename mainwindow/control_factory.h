#pragma once
// Creating the main window's controls at their designed places under their object names.

#include <QString>
#include <QWidget>

#include <utility>

namespace pelmora {

template <typename Widget, typename... Args>
Widget* MakeControl(QWidget* parent, const QString& name, QRect geometry, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// The object name of element `index` of a control array: "txtColor_2".
inline QString IndexedName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

} // namespace pelmora
