// Writes pictures of the main window and, when a second path is given, of the
// Lyapunov window. Run with QT_QPA_PLATFORM=offscreen on a machine without a display.
#include "app/windows.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vellacor-screenshot MAIN.png [LYAPUNOV.png]\n");
        return 2;
    }
    ProgramState state;
    Windows windows = createWindows(state);
    windows.form1->show();
    app.processEvents();
    if (!windows.form1->grab().save(args.at(1))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    if (args.size() > 2) {
        windows.form3->show();
        app.processEvents();
        if (!windows.form3->grab().save(args.at(2))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
            return 1;
        }
    }
    return 0;
}
