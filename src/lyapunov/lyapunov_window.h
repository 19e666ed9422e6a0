#pragma once

#include "phase/program_state.h"
#include "platform/image_control.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// The Lyapunov window: the graph of the growth series, the fit range and the
// results buttons. Stays on top of the main window, starts hidden, and closing
// it only hides it, so the graph survives until the next series.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(ProgramState& state, QWidget* parent = nullptr);

    QSlider* TrackBar1;
    ImageControl* Image1;
    QLabel* Label4;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QSlider* TrackBar2;
    QLabel* Label3;
    QLineEdit* Edit3;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QPushButton* Button2;
    QPushButton* Button1;

    void Edit3Change();
    void Image1DblClick();
    void TrackBar1Change();
    void TrackBar2Change();
    void Button1Click();
    void Button2Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramState& state_;
};
