// The floor for start-up measurements: the least a Qt Widgets program does to map one window of the
// main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare_qt_window"));
    window.resize(480, 519);
    window.show();
    return app.exec();
}
