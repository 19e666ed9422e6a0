#include "app/main_window.h"
#include "app/windows.h"
#include "app/widget_text.h"
#include "platform/conversion.h"
#include "platform/message.h"

#include <QLocale>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kHintB =
    "half length of the shortest side of the circular trapezoid (0 triangle ... 1 square)";
const QString kHintRatio =
    "The ratio between the largest and the large radii (1 circle ... infinite - squash)";
const QString kHintDistance =
    "The distance from the top right corner of the geometry, measured on the perimeter";
const QString kHintAngle = "the angle between the trajectory and the local tangent (0...180)";

class MainWindowTest : public ::testing::Test {
protected:
    ProgramState state;
    Windows windows = createWindows(state);
    Form1& form = *windows.form1;
};

TEST_F(MainWindowTest, StartsWithFixedMainWindowAndHiddenSideWindows)
{
    EXPECT_EQ(form.windowTitle(), "Vellacor    (Beta version)");
    form.show();
    EXPECT_EQ(form.size(), QSize(1020, 710));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the main window must not be resizable";
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows.form3->isVisible());
    EXPECT_FALSE(windows.form2->isVisible());
    EXPECT_EQ(windows.form2->windowTitle(), "Form2");
    EXPECT_EQ(form.lyapunovWindow(), windows.form3.get());
    EXPECT_EQ(&form.state(), &state);

    QSignalSpy closed(&form, &Form1::closed);
    form.close();
    EXPECT_EQ(closed.count(), 1) << "closing the main window must end the program";
}

TEST_F(MainWindowTest, EveryControlAtItsPlaceWithItsText)
{
    const QString label1 = "    Parameter of the circular               trapezoid"
                           "            (0-triangle ...1-square)";
    const ControlRow<Form1> rows[] = {
        {CONTROL(Form1, Label2), {24, 8, 17, 16}, "b : ", kHintB},
        {CONTROL(Form1, Edit1), {56, 8, 105, 21}, "", kHintB},
        {CONTROL(Form1, sorozat), {176, 8, 41, 25}, "queue", ""},
        {CONTROL(Form1, Label4), {8, 35, 39, 16}, "R8/R :", kHintRatio},
        {CONTROL(Form1, Edit2), {56, 35, 105, 21}, "", kHintRatio},
        {CONTROL(Form1, TrackBar1), {184, 34, 33, 79}, "", QString::fromUtf8("\"érzékenység\"")},
        {CONTROL(Form1, Label5), {0, 62, 57, 16}, "distance :", kHintDistance},
        {CONTROL(Form1, Edit3), {56, 62, 105, 21}, "", kHintDistance},
        {CONTROL(Form1, Label6), {16, 89, 40, 16}, "angle :", kHintAngle},
        {CONTROL(Form1, Edit4), {56, 89, 105, 21}, "", kHintAngle},
        {CONTROL(Form1, Label7), {8, 116, 39, 16}, "repeat", ""},
        {CONTROL(Form1, Edit5), {56, 116, 49, 21}, "", ""},
        {CONTROL(Form1, Label3), {104, 118, 65, 17}, "x1000 times", ""},
        {CONTROL(Form1, Button1), {168, 116, 49, 22}, "go", ""},
        {CONTROL(Form1, CheckBox1), {8, 136, 65, 25}, "data file", ""},
        {CONTROL(Form1, CheckBox3), {64, 136, 49, 25}, "grid", ""},
        {CONTROL(Form1, CheckBox2), {112, 139, 105, 20}, "save phasespace", ""},
        {CONTROL(Form1, CheckBox4), {8, 160, 209, 17}, "Lg(Tr) graph to Ljapunov exponent", ""},
        {CONTROL(Form1, Label1), {8, 176, 201, 145}, label1, ""},
        {CONTROL(Form1, Label11), {8, 320, 201, 41}, "", ""},
        {CONTROL(Form1, Button4), {6, 363, 49, 25}, "clear", ""},
        {CONTROL(Form1, ComboBox1), {62, 365, 49, 21}, "small", QString::fromUtf8("Pontméret")},
        {CONTROL(Form1, ColorBox1), {115, 365, 38, 22}, "Black", ""},
        {CONTROL(Form1, Button2), {160, 363, 57, 25}, "load", ""},
        {CONTROL(Form1, Label9), {8, 392, 209, 17}, "", ""},
        {CONTROL(Form1, Label8), {8, 408, 209, 17}, "", ""},
        {CONTROL(Form1, Label12), {8, 408, -1, -1}, "", ""},
        {CONTROL(Form1, vazlat), {8, 424, 209, 241}, "", ""},
        {CONTROL(Form1, Edit6), {160, 648, 57, 21}, "0", QString::fromUtf8("periódus?")},
        {CONTROL(Form1, Label10), {8, 672, 63, 16}, "short sigth:", ""},
        {CONTROL(Form1, kovetes), {72, 670, 57, 21}, "0", ""},
        {CONTROL(Form1, Button3), {136, 668, 81, 25}, "save draft", ""},
        {CONTROL(Form1, ProgressBar1), {0, 696, 1020, 17}, "", ""},
        {CONTROL(Form1, faziskep), {224, 8, 794, 681}, "", ""},
    };
    expectControls(form, rows);
}

TEST_F(MainWindowTest, ControlsStartInTheirStates)
{
    EXPECT_EQ(form.kovetes->count(), 33);
    EXPECT_EQ(form.kovetes->itemText(32), "32");
    EXPECT_EQ(form.kovetes->currentIndex(), -1) << "showing \"0\" must not choose an item";
    EXPECT_EQ(form.kovetes->currentText(), "0");

    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form.ComboBox1->itemText(1), "big");
    EXPECT_TRUE(form.ComboBox1->isEditable());

    EXPECT_TRUE(form.CheckBox3->isChecked());
    EXPECT_FALSE(form.CheckBox1->isChecked());
    EXPECT_FALSE(form.CheckBox2->isChecked());
    EXPECT_FALSE(form.CheckBox4->isChecked());
    EXPECT_EQ(form.ColorBox1->selectedColor(), kBlack);

    EXPECT_EQ(form.ProgressBar1->minimum(), 0);
    EXPECT_EQ(form.ProgressBar1->maximum(), 1000);
    EXPECT_EQ(form.ProgressBar1->value(), 0);

    EXPECT_EQ(form.faziskep->canvas().width(), 794);
    EXPECT_EQ(form.faziskep->canvas().height(), 681);
    EXPECT_EQ(form.faziskep->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(form.faziskep->canvas().isDrawn());
    EXPECT_FALSE(form.vazlat->canvas().isDrawn());
}

TEST_F(MainWindowTest, SensitivityTrackBarHasItsLowEndAtTheTop)
{
    QSlider* bar = form.TrackBar1;
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_EQ(bar->minimum(), -100);
    EXPECT_EQ(bar->maximum(), 10);
    EXPECT_EQ(bar->value(), -50);
    EXPECT_EQ(bar->tickInterval(), 1);
    EXPECT_EQ(bar->tickPosition(), QSlider::TicksRight);

    form.show();
    // The style jumps the thumb to a middle-button click: the top end is -100.
    QTest::mouseClick(bar, Qt::MiddleButton, {}, QPoint(bar->width() / 2, 1));
    EXPECT_EQ(bar->value(), -100);
    QTest::mouseClick(bar, Qt::MiddleButton, {}, QPoint(bar->width() / 2, bar->height() - 2));
    EXPECT_EQ(bar->value(), 10);

    // The arrow keys move the thumb the way they point.
    bar->setValue(-50);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(bar->value(), -49);
}

TEST_F(MainWindowTest, TabOrderFollowsTheWorkingPath)
{
    const std::vector<QWidget*> expected = {
        form.Edit1,     form.Edit2,     form.Edit3,     form.Edit4,   form.Edit5,
        form.Button1,   form.CheckBox1, form.CheckBox3, form.ComboBox1, form.ColorBox1,
        form.kovetes,   form.Button2,   form.Button3,   form.Button4, form.TrackBar1,
        form.sorozat,   form.CheckBox2, form.Edit6,     form.CheckBox4};

    std::vector<QWidget*> walked;
    QWidget* w = form.Edit1;
    do {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            walked.push_back(w);
        w = w->nextInFocusChain();
    } while (w != form.Edit1 && walked.size() <= expected.size());
    EXPECT_EQ(walked, expected);
}

TEST(DecimalSeparator, FollowsTheLocale)
{
    ProgramState state;
    Form1 form(state, nullptr);
    QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(form.decimalSeparator(), ',');
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(form.decimalSeparator(), '.');
    QLocale::setDefault(saved);
}

TEST(GuardedHandler, ConversionErrorStopsTheHandlerAndIsShownOnce)
{
    std::vector<QString> shown;
    MessageHandler old = setMessageHandler([&](const QString& text) { shown.push_back(text); });

    QLineEdit edit;
    int before = 0, after = 0;
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&] {
        guarded([&] {
            ++before;
            textToReal(edit.text().toStdString());
            ++after;
        })();
    });
    edit.setText("x1");

    EXPECT_EQ(before, 1) << "what the handler did before the failure stays done";
    EXPECT_EQ(after, 0) << "the failure stops the handler";
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].isEmpty());

    edit.setText("2.5");
    EXPECT_EQ(after, 1);
    EXPECT_EQ(shown.size(), 1u);
    setMessageHandler(old);
}

} // namespace
