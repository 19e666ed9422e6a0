#include "app/main_window.h"

#include "lyapunov/form3_panel.h"
#include "lyapunov/lyapunov_window.h"
#include "phase/image_files.h"
#include "phase/panel.h"
#include "phase/plot.h"
#include "phase/series.h"
#include "phase/zoom.h"
#include "sketch/sketch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }

MouseButton toButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
    }
}

// Shows the phase image's new pixels when a handler ends, also by an error.
struct RefreshOnExit {
    ImageControl* image;
    ~RefreshOnExit() { image->refresh(); }
};

} // namespace

void Form1::showProgress(int position)
{
    ProgressBar1->setValue(position);
    // Runs do not yield to the event loop, so the bar is painted as it moves;
    // every fifth step is enough for the eye.
    if (position % 5 == 0 || position == ProgressBar1->maximum())
        ProgressBar1->repaint();
}

MainView Form1::view()
{
    MainView v;
    v.label1 = [this](const std::string& t) { Label1->setText(qs(t)); };
    v.label8 = [this](const std::string& t) {
        Label8->setText(qs(t));
        Label8->repaint(); // long runs do not return to the event loop in between
    };
    v.label9 = [this](const std::string& t) { Label9->setText(qs(t)); };
    v.label11 = [this](const std::string& t) { Label11->setText(qs(t)); };
    v.button1Caption = [this](const std::string& t) { Button1->setText(qs(t)); };
    v.edit2Hint = [this](const std::string& t) { Edit2->setToolTip(qs(t)); };
    v.edit3Hint = [this](const std::string& t) { Edit3->setToolTip(qs(t)); };
    v.setEdit1Text = [this](const std::string& t) { Edit1->setText(qs(t)); };
    v.setEdit2Text = [this](const std::string& t) { Edit2->setText(qs(t)); };
    v.progress = [this](int p) { showProgress(p); };
    v.seriesRun = [this](int index, int count) {
        Label8->setText(QStringLiteral("run %1 of %2").arg(index + 1).arg(count));
        Label8->repaint();
        faziskep->repaintNow(); // the portrait the previous run just saved
    };
    return v;
}

PanelTexts Form1::panelTexts() const
{
    return {text(Edit1), text(Edit2), text(Edit3), text(Edit4), text(Edit5)};
}

RunControls Form1::runControls() const
{
    return {CheckBox1->isChecked(), CheckBox3->isChecked(), CheckBox2->isChecked(), ComboBox1->currentIndex(),
            ColorBox1->selectedColor()};
}

void Form1::Edit1Change()
{
    MainView v = view();
    edit1Change(state_, text(Edit1), v);
}

void Form1::Edit1Exit()
{
    MainView v = view();
    edit1Exit(state_, v);
}

void Form1::Edit2Change()
{
    edit2Change(state_);
}

void Form1::Edit2Exit()
{
    MainView v = view();
    edit2Exit(state_, text(Edit1), text(Edit2), v);
    vazlat->repaintNow();
    drawTableSketch(vazlat->canvas(), state_.geometry);
    vazlat->refresh();
}

void Form1::Edit3Change()
{
    MainView v = view();
    edit3Change(state_, text(Edit3), v);
}

void Form1::Edit4Change()
{
    MainView v = view();
    edit4Change(state_, v);
}

void Form1::Button1Click()
{
    RefreshOnExit refresh{faziskep};
    MainView v = view();
    runGo(state_, faziskep->canvas(), panelTexts(), runControls(), v);
}

void Form1::Button2Click()
{
    RefreshOnExit refresh{faziskep};
    const QString path = openPictureDialog1 ? openPictureDialog1() : QString();
    MainView v = view();
    loadPortrait(state_, faziskep->canvas(), path.toStdString(), v);
}

void Form1::Button3Click()
{
    saveDraft(state_, vazlat->canvas());
}

void Form1::Button4Click()
{
    RefreshOnExit refresh{faziskep};
    clearPhaseImage(faziskep->canvas(), state_.window, state_.geometry, ColorBox1->selectedColor(),
                    state_.paramsEdited);
}

void Form1::sorozatClick()
{
    // The whole queue runs in this handler, as it always did; the progress bar
    // and the status line show which run is at work.
    RefreshOnExit refresh{faziskep};
    MainView v = view();
    v.label8 = [](const std::string&) {}; // "ready!" after each run would hide the run count
    runSeries(state_, faziskep->canvas(), panelTexts(), runControls(), v);
    Label8->setText(QStringLiteral("ready!"));
}

void Form1::faziskepMouseDown(Qt::MouseButton button, int x, int y)
{
    phaseMouseDown(state_, toButton(button), x, y);
}

void Form1::faziskepMouseUp(Qt::MouseButton button, int x, int y)
{
    switch (releaseAction(state_, toButton(button), x, y)) {
    case ReleaseAction::Zoom: {
        RefreshOnExit refresh{faziskep};
        MainView v = view();
        zoomTo(state_, faziskep->canvas(), x, y, runControls(), v);
        break;
    }
    case ReleaseAction::Analysis: {
        MainView v = view();
        analysisClick(state_, TrackBar1->value(), text(Edit6), *form3_, CheckBox4->isChecked(), v.label11);
        break;
    }
    case ReleaseAction::None:
        break;
    }
}

void Form1::faziskepClick()
{
    Label11->setText(qs(cornerApproachClick(state_, TrackBar1->value())));
}

void Form1::faziskepDblClick()
{
    RefreshOnExit refresh{faziskep};
    MainView v = view();
    runDoubleClick(state_, faziskep->canvas(), text(Edit5), runControls(), v);
}

void Form1::faziskepMouseMove(int x, int y)
{
    MainView v = view();
    if (cursorMove(state_, vazlat->canvas(), x, y, kovetes->currentIndex(), v))
        vazlat->refresh();
}
