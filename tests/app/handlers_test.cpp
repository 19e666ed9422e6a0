// The main window driven as a user drives it: typing, leaving boxes, pressing
// buttons, with messages captured instead of shown.
#include "app/main_window.h"
#include "app/windows.h"
#include "platform/message.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "read_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class Handlers : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / "vellacor-app-test" / info->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        old_ = fs::current_path();
        fs::current_path(dir_);
        QLocale::setDefault(QLocale::c());
        previous_ = setMessageHandler([this](const QString& text) { messages_ << text; });
        windows_ = createWindows(state_);
        form().show();
        form().activateWindow();
        (void)QTest::qWaitForWindowActive(&form());
    }
    void TearDown() override
    {
        setMessageHandler(previous_);
        windows_ = Windows{};
        fs::current_path(old_);
    }

    Form1& form() { return *windows_.form1; }

    // Types into a box and leaves it for the next one, as a user tabs through.
    void type(QLineEdit* box, const QString& text, QWidget* next)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        next->setFocus();
    }

    void typeAll(const QString& b, const QString& rr, const QString& s, const QString& angle, const QString& repeat)
    {
        type(form().Edit1, b, form().Edit2);
        type(form().Edit2, rr, form().Edit3);
        type(form().Edit3, s, form().Edit4);
        type(form().Edit4, angle, form().Edit5);
        type(form().Edit5, repeat, form().Edit1);
    }

    ProgramState state_;
    Windows windows_;
    QStringList messages_;
    MessageHandler previous_;
    fs::path dir_, old_;
};

TEST_F(Handlers, TheUsualRoadFromBToAPortrait)
{
    type(form().Edit1, "0.5", form().Edit2);
    EXPECT_EQ(form().Label1->text().toStdString(), kPromptText);
    type(form().Edit2, "2", form().Edit3);
    EXPECT_TRUE(form().Label1->text().startsWith("r=0.68853  R8=2.0656  R=1.0328\n\nDistance from the first corner?"));
    EXPECT_EQ(form().Edit3->toolTip(), form().Label1->text());
    EXPECT_TRUE(form().vazlat->canvas().isDrawn());
    type(form().Edit3, "1", form().Edit4);
    type(form().Edit4, "45", form().Edit5);
    type(form().Edit5, "1", form().Edit1);
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("; ").toStdString();
    EXPECT_EQ(form().Label8->text(), "ready!");
    EXPECT_EQ(form().Button1->text(), "continue");
    EXPECT_EQ(form().Label11->text(), "8.01737535484671");
    EXPECT_EQ(form().ProgressBar1->value(), 1000);
    EXPECT_TRUE(form().faziskep->canvas().isDrawn());
    EXPECT_EQ(state_.runCounter, 1);
    // Typing an angle lets go of the orbit.
    type(form().Edit4, "46", form().Edit5);
    EXPECT_EQ(form().Button1->text(), "go");
}

TEST_F(Handlers, ABadNumberIsShownOnceAndEarlierStepsStay)
{
    typeAll("0.5", "2", "1", "45", "1");
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    const QString label1 = form().Label1->text();
    ASSERT_TRUE(state_.resume.held());
    form().Edit3->setText("abc");
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.front(), "'abc' is not a valid number");
    EXPECT_FALSE(state_.resume.held());
    EXPECT_EQ(form().Button1->text(), "go");
    EXPECT_EQ(form().Label1->text(), label1);
    EXPECT_EQ(state_.billiard.s0, 1.0);

    // A bad repeat count stops "go" before anything is drawn or counted.
    messages_.clear();
    form().Edit3->setText("1");
    form().Edit5->setText("many");
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.front(), "'many' is not a valid number");
    EXPECT_EQ(state_.runCounter, 1);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(Handlers, ASaveThatCannotBeWrittenIsAFileErrorAndKeepsThePicture)
{
    typeAll("0.5", "2", "1", "45", "0");
    form().CheckBox2->setChecked(true);
    state_.billiard.flight = 0.0; // a repeat count of 0 leaves the stamp at "0"
    fs::create_directory("fk_B_0.50000_rr_2.00000_i_0_kx_8.01738_kn_0.00000_px_3.14159_pn_0.00000.bmp");
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains("fk_B_0.50000_rr_2.00000_i_0_kx_8.01738")) << messages_.front().toStdString();
    EXPECT_EQ(form().Label8->text(), "ready!");
    EXPECT_TRUE(form().faziskep->canvas().isDrawn());
}

TEST_F(Handlers, LoadingANonPictureChangesNothing)
{
    typeAll("0.7", "3", "1", "45", "1");
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    { std::ofstream("fk_B_0.50000_rr_2.00000_i_1_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp") << "text"; }
    form().openPictureDialog1 = [this] {
        return QString::fromStdString((dir_ / "fk_B_0.50000_rr_2.00000_i_1_kx_7.00000_kn_0.00000_px_3.14159_pn_0.00000.bmp").string());
    };
    QTest::mouseClick(form().Button2, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(form().Edit1->text(), "0.7");
    EXPECT_EQ(state_.runCounter, 1);
}

TEST_F(Handlers, TheWindowsPortraitIsTheCommandLinesPortrait)
{
    typeAll("0.5", "2", "1", "45", "3");
    form().CheckBox2->setChecked(true);
    form().ComboBox1->setCurrentIndex(1);
    form().ColorBox1->setSelectedColor(Rgb{255, 0, 0});
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    ASSERT_TRUE(messages_.isEmpty()) << messages_.join("; ").toStdString();
    std::vector<fs::path> saved;
    for (const auto& e : fs::directory_iterator(dir_))
        if (e.path().extension() == ".bmp")
            saved.push_back(e.path());
    ASSERT_EQ(saved.size(), 1u);

    fs::create_directory("cli");
    const std::string command = "'" VELLACOR_CLI "' portrait --b 0.5 --rr 2 --distance 1 --angle 45 --repeat 3 "
                                "--size big --color ff0000 --out-dir cli > cli/name.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string name = slurp("cli/name.txt");
    name.pop_back();
    EXPECT_EQ(name, saved.front().filename().string());
    EXPECT_TRUE(slurp(fs::path("cli") / name) == slurp(saved.front()));
}

} // namespace
