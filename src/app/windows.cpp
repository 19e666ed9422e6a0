#include "app/windows.h"

Windows createWindows(ProgramState& state)
{
    Windows w;
    // Form1 keeps a pointer to the Lyapunov window, so it is created first
    // as an object; nothing is shown before the event loop runs.
    w.form3 = std::make_unique<Form3>(state);
    w.form1 = std::make_unique<Form1>(state, w.form3.get());
    state.sep = w.form1->decimalSeparator();
    w.form2 = std::make_unique<QWidget>();
    w.form2->setWindowTitle(QStringLiteral("Form2"));
    w.form2->resize(814, 587);
    w.form2->move(49, 57);
    w.form2->setAttribute(Qt::WA_QuitOnClose, false);
    w.form3->hide();
    return w;
}
