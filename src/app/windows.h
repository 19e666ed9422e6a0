#pragma once

#include "app/main_window.h"
#include "lyapunov/lyapunov_window.h"

#include <QWidget>

#include <memory>

// The program's three windows, created in start-up order: the main window,
// the empty second window, the hidden Lyapunov window.
struct Windows {
    std::unique_ptr<Form3> form3;
    std::unique_ptr<Form1> form1;
    std::unique_ptr<QWidget> form2;
};

Windows createWindows(ProgramState& state);
