#include "app/main_window.h"

void Form1::Edit1Change() {}

void Form1::Edit1Exit() {}

void Form1::Edit2Change() {}

void Form1::Edit2Exit() {}

void Form1::Edit3Change() {}

void Form1::Edit4Change() {}

void Form1::Button1Click() {}

void Form1::Button2Click() {}

void Form1::Button3Click() {}

void Form1::Button4Click() {}

void Form1::sorozatClick() {}

void Form1::faziskepMouseDown(Qt::MouseButton, int, int) {}

void Form1::faziskepMouseUp(Qt::MouseButton, int, int) {}

void Form1::faziskepClick() {}

void Form1::faziskepDblClick() {}

void Form1::faziskepMouseMove(int, int) {}
