#include "app/windows.h"
#include "platform/message.h"

#include <QApplication>

#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    ProgramState state;

    // The application outlives the try block so that the error display still
    // has a toolkit to show its message box with.
    std::unique_ptr<QApplication> app;
    try {
        app = std::make_unique<QApplication>(argc, argv);
        Windows windows = createWindows(state);
        // A visible Lyapunov window would otherwise keep the loop running.
        QObject::connect(windows.form1.get(), &Form1::closed, app.get(), &QApplication::quit,
                         Qt::QueuedConnection);
        windows.form1->show();
        app->exec();
    } catch (const std::exception& e) {
        showMessage(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showMessage(QString());
    }
    return 0;
}
