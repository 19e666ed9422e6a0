#include "lyapunov/form3_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// Runs an operation on the window's panel and writes the panel back, also
// when the operation throws: whatever it changed before stays visible.
template <class F>
void withPanel(Form3& form, bool checkBox4, F&& f)
{
    LyapunovPanel panel = readPanel(form, checkBox4);
    try {
        f(panel);
    } catch (...) {
        applyPanel(form, panel);
        throw;
    }
    applyPanel(form, panel);
}

void setBar(QSlider* bar, int maximum, int position, int ticks)
{
    const QSignalBlocker block(bar);
    bar->setRange(0, maximum);
    bar->setValue(position);
    bar->setTickInterval(ticks);
}

} // namespace

LyapunovPanel readPanel(Form3& form, bool checkBox4)
{
    LyapunovPanel p;
    p.edit1 = form.Edit1->text().toStdString();
    p.edit2 = form.Edit2->text().toStdString();
    p.edit4 = form.Edit4->text().toStdString();
    p.edit5 = form.Edit5->text().toStdString();
    p.label4 = form.Label4->text().toStdString();
    p.trackBar1Max = form.TrackBar1->maximum();
    p.trackBar1Position = form.TrackBar1->value();
    p.trackBar2Max = form.TrackBar2->maximum();
    p.trackBar2Position = form.TrackBar2->value();
    p.tickFrequency = form.TrackBar1->tickInterval();
    p.checkBox4 = checkBox4;
    Form3* f = &form;
    p.showWindow = [f] { f->show(); };
    p.repaintWindow = [f] { f->repaint(); };
    return p;
}

void applyPanel(Form3& form, const LyapunovPanel& panel)
{
    setBar(form.TrackBar1, panel.trackBar1Max, panel.trackBar1Position, panel.tickFrequency);
    setBar(form.TrackBar2, panel.trackBar2Max, panel.trackBar2Position, panel.tickFrequency);
    form.Label4->setText(QString::fromStdString(panel.label4));
    form.Label4->adjustSize();
    form.Edit4->setText(QString::fromStdString(panel.edit4));
    form.Edit5->setText(QString::fromStdString(panel.edit5));
    form.Image1->refresh();
}

std::optional<std::string> analysisClick(ProgramState& state, int sensitivityPosition, const std::string& edit6Text,
                                         Form3& form, bool checkBox4,
                                         const std::function<void(const std::string&)>& showLabel11)
{
    std::optional<std::string> label;
    withPanel(form, checkBox4, [&](LyapunovPanel& panel) {
        label = analysisClick(state, sensitivityPosition, edit6Text, panel, form.Image1->canvas(), showLabel11);
    });
    return label;
}

void Form3::Edit3Change() { yMaxChange(state_, Edit3->text().toStdString()); }

void Form3::Image1DblClick()
{
    withPanel(*this, false, [&](LyapunovPanel& panel) { clearGraph(Image1->canvas(), panel); });
}

void Form3::TrackBar1Change()
{
    withPanel(*this, false, [&](LyapunovPanel& panel) { trackBar1Change(state_, panel); });
}

void Form3::TrackBar2Change()
{
    withPanel(*this, false, [&](LyapunovPanel& panel) { trackBar2Change(state_, panel); });
}

void Form3::Button1Click()
{
    withPanel(*this, false, [&](LyapunovPanel& panel) { writeResult(state_, panel); });
}

void Form3::Button2Click()
{
    withPanel(*this, false, [&](LyapunovPanel& panel) { fitLinear(state_, panel, Image1->canvas()); });
}
