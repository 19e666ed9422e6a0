#pragma once

#include "app/color_box.h"
#include "phase/main_view.h"
#include "phase/orbit_run.h"
#include "phase/program_state.h"
#include "platform/image_control.h"

#include <QString>
#include <QWidget>

#include <functional>

class Form3;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;

// The main window: the parameter panel on the left, the phase portrait on the
// right, the table sketch bottom left and the progress bar along the bottom.
// Controls are placed at fixed client pixels; the window cannot be resized.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(ProgramState& state, Form3* lyapunovWindow, QWidget* parent = nullptr);

    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* sorozat;
    QLabel* Label4;
    QLineEdit* Edit2;
    QSlider* TrackBar1;
    QLabel* Label5;
    QLineEdit* Edit3;
    QLabel* Label6;
    QLineEdit* Edit4;
    QLabel* Label7;
    QLineEdit* Edit5;
    QLabel* Label3;
    QPushButton* Button1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox4;
    QLabel* Label1;
    QLabel* Label11;
    QPushButton* Button4;
    QComboBox* ComboBox1;
    ColorBox* ColorBox1;
    QPushButton* Button2;
    QLabel* Label9;
    QLabel* Label8;
    QLabel* Label12;
    ImageControl* vazlat;
    QLineEdit* Edit6;
    QLabel* Label10;
    QComboBox* kovetes;
    QPushButton* Button3;
    QProgressBar* ProgressBar1;
    ImageControl* faziskep;

    // Asks for a phase-portrait picture to load. A cancel returns the name
    // chosen last time (empty before any choice). Replaceable for tests.
    std::function<QString()> openPictureDialog1;

    // The locale's decimal separator, '.' when it is not a plain character.
    char decimalSeparator() const;

    ProgramState& state() { return state_; }
    Form3* lyapunovWindow() { return form3_; }

    void Edit1Change();
    void Edit1Exit();
    void Edit2Change();
    void Edit2Exit();
    void Edit3Change();
    void Edit4Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void sorozatClick();
    void faziskepMouseDown(Qt::MouseButton button, int x, int y);
    void faziskepMouseUp(Qt::MouseButton button, int x, int y);
    void faziskepClick();
    void faziskepDblClick();
    void faziskepMouseMove(int x, int y);

signals:
    // Closing the main window ends the program, even with the Lyapunov window open.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The labels, captions, boxes and progress bar as the operations see them.
    MainView view();
    PanelTexts panelTexts() const;
    RunControls runControls() const;
    void showProgress(int position);

    ProgramState& state_;
    Form3* form3_;
    bool centred_ = false;
};
