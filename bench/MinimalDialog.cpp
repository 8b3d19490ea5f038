// The floor of a Qt program's start-up: one empty dialog, shown modally, closed after its
// first paint. Arguments: the width and height of the dialog (the launcher's, by default
// those of its 480 x 315 logo), then "label" for a dialog that also shows one line of
// text, which makes Qt load its font database as every program with text must.

#include "bench/CloseAfterFirstPaint.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 480;
    const int height = argc > 2 ? std::atoi(argv[2]) : 315;
    QDialog dialog;
    dialog.resize(width, height);
    if (argc > 3 && std::strcmp(argv[3], "label") == 0) {
        auto* label = new QLabel(QStringLiteral("Učení"), &dialog);
        label->move(10, 10);
    }
    CloseAfterFirstPaint closer;
    dialog.exec();
    return 0;
}
