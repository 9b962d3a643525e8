// The bare main window alone, for the start-up benchmark (bench/startup.sh).

#include <QApplication>

#include "bench/bare_dialog.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareDialog dialog;
    dialog.exec();
    return 0;
}
