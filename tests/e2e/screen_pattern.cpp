// A window of known pixels at the top-left corner of the screen (or with its top-left corner at the
// X Y given on the command line), for screen-picking tests:
//   x 0..255, y 0..255   red = x, green = y, blue = 0x5A (every pixel different)
//   x 280..319, y 0..39  a black-and-white checkerboard, white where x + y is even
// Everything else is grey #808080.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdlib>

namespace {

QImage Pattern()
{
    QImage image(320, 260, QImage::Format_RGB32);
    image.fill(0xFF808080u);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, y, 0x5A));
    for (int y = 0; y < 40; ++y)
        for (int x = 280; x < 320; ++x)
            image.setPixel(x, y, (x + y) % 2 == 0 ? 0xFFFFFFFFu : 0xFF000000u);
    return image;
}

class PatternWindow : public QWidget {
public:
    explicit PatternWindow(QPoint topLeft)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
        , pattern_(Pattern())
    {
        setWindowTitle(QStringLiteral("Pelmora screen pattern"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(QRect(topLeft, pattern_.size()));
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, pattern_); }

private:
    QImage pattern_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QPoint topLeft = argc == 3 ? QPoint(std::atoi(argv[1]), std::atoi(argv[2])) : QPoint();
    PatternWindow window(topLeft);
    window.show();
    return QApplication::exec();
}
