#include "platform/desktop_system_colors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

namespace pelmora {

namespace {

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by display element; see the table in the header.
constexpr std::array<RoleOf, kSysColorCount> kRoles = {{
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Inactive, QPalette::Mid},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Base},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::WindowText},
    {QPalette::Active, QPalette::Text},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Window},
    {QPalette::Inactive, QPalette::Window},
    {QPalette::Active, QPalette::Mid},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Disabled, QPalette::Text},
    {QPalette::Active, QPalette::ButtonText},
    {QPalette::Disabled, QPalette::WindowText},
    {QPalette::Active, QPalette::Light},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::Midlight},
    {QPalette::Active, QPalette::ToolTipText},
    {QPalette::Active, QPalette::ToolTipBase},
}};

} // namespace

std::array<Color, kSysColorCount> SystemColorTable(const QPalette& palette)
{
    std::array<Color, kSysColorCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QColor c = palette.color(kRoles[i].group, kRoles[i].role);
        table[i] = RGB(c.red(), c.green(), c.blue());
    }
    return table;
}

DesktopSystemColors::DesktopSystemColors(QObject* parent)
    : QObject(parent)
{
    reload();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

Color DesktopSystemColors::GetSysColor(int index) const
{
    return (index >= 0 && index < kSysColorCount) ? table_[static_cast<std::size_t>(index)] : Color::black();
}

bool DesktopSystemColors::eventFilter(QObject* watched, QEvent* event)
{
    // A theme change reaches the application object once; reading 25 colours then is cheap.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
        reload();
        emit changed();
    }
    return QObject::eventFilter(watched, event);
}

void DesktopSystemColors::reload()
{
    table_ = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? SystemColorTable(QGuiApplication::palette())
                                                                          : DefaultSystemColors::table();
}

} // namespace pelmora
