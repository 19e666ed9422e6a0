#include "lyapunov/form3_panel.h"
#include "lyapunov_fixture.h"

#include "platform/message.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

void needApplication()
{
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("lyapunov_tests"), nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

using LyapunovWindow = InTempDir;

// The series moves the bars with their signals blocked, having run their
// rules itself; a later drag runs the rules through the window's handlers.
TEST_F(LyapunovWindow, AnalysisClickFillsTheWindowAndDragsKeepTheRange)
{
    needApplication();
    QStringList messages;
    const MessageHandler old = setMessageHandler([&](const QString& text) { messages << text; });
    Lab lab;
    Form3 form(lab.state);
    lab.state.cursorS = lab.state.geometry.sEnd1 / 2;
    lab.state.cursorTheta = kPi / 2;
    std::string shown;
    const auto label = analysisClick(lab.state, -50, "0", form, true, [&](const std::string& t) { shown = t; });
    ASSERT_TRUE(label.has_value());
    EXPECT_EQ(shown, *label);
    EXPECT_EQ(label->rfind("period?: 2 ; 2 , 2 , 2\n", 0), 0u);
    EXPECT_TRUE(form.isVisible()) << "the ticked box shows the window";
    EXPECT_EQ(form.TrackBar1->maximum(), 100);
    EXPECT_EQ(form.TrackBar1->value(), 100);
    EXPECT_EQ(form.TrackBar2->maximum(), 100);
    EXPECT_EQ(form.TrackBar1->tickInterval(), 4);
    EXPECT_EQ(lab.state.fitEndCut, 0);
    EXPECT_TRUE(form.Label4->text().startsWith("lg(tr)max: "));

    form.TrackBar2->setValue(100);
    EXPECT_EQ(form.TrackBar2->value(), 99);
    EXPECT_EQ(lab.state.fitStart, 99);
    form.TrackBar1->setValue(0);
    EXPECT_EQ(form.TrackBar1->value(), 100);
    EXPECT_EQ(lab.state.fitEndCut, 0);

    form.TrackBar2->setValue(0);
    form.Button2->click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
    EXPECT_TRUE(form.Label4->text().startsWith("y=ax+b\na= "));
    EXPECT_FALSE(form.Edit4->text().isEmpty());
    form.Button1->click();
    EXPECT_EQ(form.Edit5->text(), "1");

    form.Edit3->setText("abc");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'abc' is not a valid number");
    setMessageHandler(old);
}

} // namespace
