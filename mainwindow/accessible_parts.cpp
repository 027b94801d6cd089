#include "mainwindow/accessible_parts.h"

#include "color/channels.h"
#include "color/code_formats.h"
#include "mainwindow/status_note.h"
#include "mainwindow/swatch.h"
#include "notations/named_colors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QVariant>

namespace pelmora {
namespace {

// Where the surface keeps the text of its value for its interface to read.
constexpr char kSurfaceValue[] = "pelmoraAccessibleValue";

QString Tr(const char* text) { return QCoreApplication::translate("pelmora::AccessibleParts", text); }

// Announced as a button that shows a colour; pressing it is a click.
class SwatchInterface final : public QAccessibleWidget {
public:
    explicit SwatchInterface(Swatch* swatch)
        : QAccessibleWidget(swatch, QAccessible::Button)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return widget()->accessibleName() + QStringLiteral(", ") + SpokenColor(swatch()->shownColor());
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit swatch()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Swatch* swatch() const { return static_cast<Swatch*>(widget()); }
};

// A label whose text is what it says: the text is its value, and its name too ("Note: …").
class NoteInterface final : public QAccessibleWidget {
public:
    explicit NoteInterface(StatusNote* note)
        : QAccessibleWidget(note, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const QString note = static_cast<const StatusNote*>(widget())->text();
        if (t == QAccessible::Value)
            return note;
        if (t == QAccessible::Name)
            return note.isEmpty() ? widget()->accessibleName()
                                  : widget()->accessibleName() + QStringLiteral(": ") + note;
        return QAccessibleWidget::text(t);
    }
};

// The picker: a canvas whose value is the colour the arrow keys and the mouse have chosen. Qt's
// bridge on Linux passes on a changed value only for numbers, so the name carries the colour too
// and its change is what a screen reader announces.
class SurfaceInterface final : public QAccessibleWidget {
public:
    explicit SurfaceInterface(QWidget* surface)
        : QAccessibleWidget(surface, QAccessible::Canvas)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const QString value = widget()->property(kSurfaceValue).toString();
        if (t == QAccessible::Value)
            return value;
        if (t == QAccessible::Name)
            return widget()->accessibleName() + QStringLiteral(", ") + value;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("pelmora::Swatch"))
        return new SwatchInterface(static_cast<Swatch*>(object));
    if (className == QLatin1String("pelmora::StatusNote"))
        return new NoteInterface(static_cast<StatusNote*>(object));
    if (className == QLatin1String("pelmora::SurfaceView"))
        return new SurfaceInterface(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleParts()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}

QString SpokenColor(Color color)
{
    const Channels rgb = SplitChannels(color);
    const NameMatch name = NearestCssName(color);
    const QString cssName = QString::fromLatin1(name.name.data(), static_cast<qsizetype>(name.name.size()));
    return QStringLiteral("#%1, %2").arg(
        QString::fromStdString(GetHexVal(rgb.r, rgb.g, rgb.b)), name.exact ? cssName : Tr("near %1").arg(cssName));
}

void SetSurfaceValue(QWidget* surface, std::optional<Color> color)
{
    const QString value = color ? SpokenColor(*color) : Tr("no colour chosen yet");
    if (surface->property(kSurfaceValue).toString() == value)
        return;
    surface->setProperty(kSurfaceValue, value);
    QAccessibleEvent event(surface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace pelmora
