#include "lyapunov/lyapunov_window.h"

void Form3::Edit3Change() {}

void Form3::Image1DblClick() {}

void Form3::TrackBar1Change() {}

void Form3::TrackBar2Change() {}

void Form3::Button1Click() {}

void Form3::Button2Click() {}
