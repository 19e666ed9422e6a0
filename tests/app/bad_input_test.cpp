// Every text box of both windows with texts that are no (sensible) number,
// followed by every handler that reads the box: a clear message naming the
// text, the window alive, never a crash or a hang.
#include "app/main_window.h"
#include "app/windows.h"
#include "lyapunov/lyapunov_window.h"
#include "platform/message.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

struct Box {
    const char* name;
    std::function<QLineEdit*(Windows&)> edit;
    std::function<void(Windows&)> trigger; // the handlers that read the box, as the user reaches them
    bool converts = true;                  // false: the box's text is read without a conversion
};

void go(Windows& w) { w.form1->Button1->click(); }
void analysis(Windows& w)
{
    emit w.form1->faziskep->mouseDown(Qt::RightButton, 300, 300);
    emit w.form1->faziskep->mouseUp(Qt::RightButton, 300, 300);
}
void leaveRatioBox(Windows& w)
{
    w.form1->Edit2->setFocus();
    w.form1->Edit3->setFocus();
}

const Box kBoxes[] = {
    {"Edit1", [](Windows& w) { return w.form1->Edit1; }, [](Windows& w) { leaveRatioBox(w); go(w); }},
    {"Edit2", [](Windows& w) { return w.form1->Edit2; }, [](Windows& w) { leaveRatioBox(w); go(w); }},
    {"Edit3", [](Windows& w) { return w.form1->Edit3; }, go},
    {"Edit4", [](Windows& w) { return w.form1->Edit4; }, go},
    {"Edit5", [](Windows& w) { return w.form1->Edit5; },
     [](Windows& w) { go(w); emit w.form1->faziskep->dblClick(); }},
    {"Edit6", [](Windows& w) { return w.form1->Edit6; }, analysis},
    {"Form3.Edit1", [](Windows& w) { return w.form3->Edit1; }, analysis},
    {"Form3.Edit2", [](Windows& w) { return w.form3->Edit2; },
     [](Windows& w) { analysis(w); w.form3->Button2->click(); w.form3->Button1->click(); }},
    {"Form3.Edit3", [](Windows& w) { return w.form3->Edit3; }, [](Windows& w) { analysis(w); w.form3->Button2->click(); }},
    {"kovetes", [](Windows& w) { return w.form1->kovetes->lineEdit(); },
     [](Windows& w) { emit w.form1->faziskep->mouseMove(300, 300); }, false},
};

const char* const kTexts[] = {"", "-", "1e", "abc", "1e400", "nan", "1,5", "0"};

class BadInput : public testing::TestWithParam<const char*> {};

TEST_P(BadInput, EveryBoxEveryHandler)
{
    const QString bad = QString::fromUtf8(GetParam());
    // Each text in its own directory: ctest runs the cases side by side.
    const fs::path dir = fs::temp_directory_path() / "vellacor-bad-input"
                         / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path old = fs::current_path();
    fs::current_path(dir);
    QLocale::setDefault(QLocale::c());

    for (const Box& box : kBoxes) {
        SCOPED_TRACE(std::string(box.name) + " <- '" + bad.toStdString() + "'");
        QStringList messages;
        const MessageHandler previous = setMessageHandler([&](const QString& t) { messages << t; });
        ProgramState state;
        Windows w = createWindows(state);
        w.form1->show();
        // A portrait first, so that every handler has something to work on.
        w.form1->Edit1->setText("0.5");
        w.form1->Edit2->setText("2");
        leaveRatioBox(w);
        w.form1->Edit3->setText("1");
        w.form1->Edit4->setText("45");
        w.form1->Edit5->setText("1");
        go(w);
        ASSERT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
        emit w.form1->faziskep->mouseMove(300, 300);

        box.edit(w)->setText(bad);
        box.trigger(w);

        EXPECT_TRUE(w.form1->isVisible());
        for (const QString& m : messages) {
            EXPECT_FALSE(m.isEmpty());
            if (m.contains("is not a valid number"))
                EXPECT_TRUE(m.contains("'" + bad + "'")) << m.toStdString();
        }
        if (box.converts && bad != "0")
            EXPECT_FALSE(messages.isEmpty()) << "no message for a text that is no number";
        setMessageHandler(previous);
    }
    fs::current_path(old);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadInput, testing::ValuesIn(kTexts), [](const auto& info) {
    return "text" + std::to_string(info.index);
});

} // namespace
