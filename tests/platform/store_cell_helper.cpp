// A second running copy of the program, as far as the custom colours file goes: stores colours into
// a run of cells of the file in a folder, one "Add" at a time.
// Usage: store_cell_helper FOLDER FIRST_CELL COUNT COLOR  (cell i gets COLOR + i)

#include "platform/user_colors_file.h"

#include <QCoreApplication>
#include <QStringList>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5) {
        std::fputs("usage: store_cell_helper FOLDER FIRST_CELL COUNT COLOR\n", stderr);
        return 2;
    }
    const pelmora::UserColorsFile file(args[1], QString());
    const int first = args[2].toInt();
    const int count = args[3].toInt();
    const int color = args[4].toInt();
    for (int cell = first; cell < first + count; ++cell) {
        QString error;
        if (!file.StoreCell(cell, pelmora::Color(color + cell), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        QThread::msleep(5); // a user's clicks are further apart than saves take
    }
    return 0;
}
