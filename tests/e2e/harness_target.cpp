// A trivial window for proving the real-window harness: a solid colour that changes on a left click,
// which also puts "clicked at X,Y" on the clipboard.
#include "platform/clipboard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

class Target final : public QWidget {
public:
    Target()
    {
        setWindowTitle(QStringLiteral("Pelmora harness target"));
        setFixedSize(200, 150);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), color_); }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        const QPoint at = event->position().toPoint();
        color_ = QColor(0xE0, 0x60, 0x10);
        pelmora::CopyTextToClipboard(QStringLiteral("clicked at %1,%2").arg(at.x()).arg(at.y()));
        update();
    }

private:
    QColor color_{0x20, 0x40, 0xC0};
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Target target;
    target.show();
    return app.exec();
}
