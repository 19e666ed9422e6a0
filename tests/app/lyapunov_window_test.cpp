#include "lyapunov/lyapunov_window.h"
#include "app/widget_text.h"

#include <QSlider>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LyapunovWindow, StaysOnTopStartsHiddenAndClosingOnlyHides)
{
    ProgramState state;
    Form3 form(state);
    EXPECT_EQ(form.windowTitle(), "Ljapunov-exponent");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.isWindow());
    EXPECT_FALSE(form.isVisible());

    form.show();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose)) << "must not end the program";
    form.show();
    EXPECT_TRUE(form.isVisible()) << "a closed window can be shown again";
}

TEST(LyapunovWindow, EveryControlAtItsPlaceWithItsText)
{
    ProgramState state;
    Form3 form(state);
    const ControlRow<Form3> rows[] = {
        {CONTROL(Form3, TrackBar1), {8, 0, 409, 17}, "", ""},
        {CONTROL(Form3, Image1), {8, 16, 409, 337}, "", ""},
        {CONTROL(Form3, Label4), {16, 24, -1, -1}, "lg(Tr)max: ", ""},
        {CONTROL(Form3, Edit4), {16, 78, 80, 20}, "", ""},
        {CONTROL(Form3, Edit5), {16, 112, 25, 21}, "0", ""},
        {CONTROL(Form3, TrackBar2), {8, 352, 409, 17}, "", ""},
        {CONTROL(Form3, Label3), {10, 380, -1, -1}, "Ymax", ""},
        {CONTROL(Form3, Edit3), {40, 378, 41, 21}, "40000", ""},
        {CONTROL(Form3, Label1), {88, 380, -1, -1}, "blocksize", ""},
        {CONTROL(Form3, Edit1), {136, 378, 33, 21}, "500", ""},
        {CONTROL(Form3, Label2), {176, 380, -1, -1}, "# of blocks:", ""},
        {CONTROL(Form3, Edit2), {240, 378, 33, 21}, "100", ""},
        {CONTROL(Form3, Button2), {280, 376, 65, 25}, "fit linear", ""},
        {CONTROL(Form3, Button1), {352, 376, 65, 25}, "write", ""},
    };
    expectControls(form, rows);

    // Auto-sized labels fit their text.
    EXPECT_GE(form.Label4->width(), form.Label4->fontMetrics().horizontalAdvance("lg(Tr)max:"));
    EXPECT_TRUE(form.Button2->font().bold());
    EXPECT_FALSE(form.Edit4->hasFrame());
    EXPECT_FALSE(form.Edit5->hasFrame());
    EXPECT_EQ(form.Edit5->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(form.Image1->canvas().width(), 409);
    EXPECT_EQ(form.Image1->canvas().height(), 337);

    // The result label and boxes lie over the graph, not under it.
    const auto& kids = form.children();
    auto stackIndex = [&](QObject* o) { return kids.indexOf(o); };
    EXPECT_GT(stackIndex(form.Label4), stackIndex(form.Image1));
    EXPECT_GT(stackIndex(form.Edit4), stackIndex(form.Image1));
}

TEST(LyapunovWindow, RangeTrackBarsStartAtBothEnds)
{
    ProgramState state;
    Form3 form(state);
    struct Row {
        QSlider* bar;
        int position;
        QSlider::TickPosition ticks;
    };
    for (const Row& row : {Row{form.TrackBar1, 400, QSlider::TicksBelow},
                           Row{form.TrackBar2, 0, QSlider::TicksAbove}}) {
        EXPECT_EQ(row.bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(row.bar->minimum(), 0);
        EXPECT_EQ(row.bar->maximum(), 400);
        EXPECT_EQ(row.bar->value(), row.position);
        EXPECT_EQ(row.bar->tickInterval(), 4);
        EXPECT_EQ(row.bar->tickPosition(), row.ticks);
    }
}

TEST(LyapunovWindow, TabOrder)
{
    ProgramState state;
    Form3 form(state);
    const std::vector<QWidget*> expected = {form.Button2,   form.Edit1, form.Edit2,
                                            form.Edit3,     form.TrackBar1, form.TrackBar2,
                                            form.Edit4,     form.Button1, form.Edit5};
    std::vector<QWidget*> walked;
    QWidget* w = form.Button2;
    do {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            walked.push_back(w);
        w = w->nextInFocusChain();
    } while (w != form.Button2 && walked.size() <= expected.size());
    EXPECT_EQ(walked, expected);
}

} // namespace
