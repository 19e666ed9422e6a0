#pragma once

#include "phase/main_view.h"
#include "phase/orbit_run.h"
#include "phase/panel.h"
#include "phase/program_state.h"

#include <gtest/gtest.h>

#include "read_file.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

// A main window without widgets: the records, the phase image and what the
// operations wrote into labels, captions and boxes.
struct FakeWindow {
    ProgramState state;
    Canvas phase{kPhaseImageWidth, kPhaseImageHeight};
    std::map<std::string, std::string> texts;
    std::vector<int> progress;
    MainView view;

    FakeWindow()
    {
        auto bind = [this](const char* name) { return [this, name](const std::string& t) { texts[name] = t; }; };
        view.label1 = bind("Label1");
        view.label8 = bind("Label8");
        view.label9 = bind("Label9");
        view.label11 = bind("Label11");
        view.button1Caption = bind("Button1");
        view.edit2Hint = bind("Edit2.hint");
        view.edit3Hint = bind("Edit3.hint");
        view.setEdit1Text = [this](const std::string& t) {
            if (texts["Edit1"] != t) {
                texts["Edit1"] = t;
                edit1Change(state, t, view);
            }
        };
        view.setEdit2Text = [this](const std::string& t) {
            if (texts["Edit2"] != t) {
                texts["Edit2"] = t;
                edit2Change(state);
            }
        };
        view.progress = [this](int p) { progress.push_back(p); };
    }

    // Types the five boxes and leaves the ratio box, as a user starts.
    void type(const PanelTexts& p)
    {
        panel = p;
        view.setEdit1Text(p.b);
        edit1Exit(state, view);
        view.setEdit2Text(p.rr);
        edit2Exit(state, p.b, p.rr, view);
        edit3Change(state, p.distance, view);
        edit4Change(state, view);
    }

    void go(const RunControls& c = {}) { runGo(state, phase, panel, c, view); }

    PanelTexts panel;
};

// Runs each test in an empty working directory of its own.
class InTempDir : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() / "vellacor-phase" / info->test_suite_name() / info->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override { std::filesystem::current_path(old_); }

    static int countLines(const std::string& text)
    {
        int n = 0;
        for (char c : text)
            n += c == '\n';
        return n;
    }

    std::filesystem::path dir_, old_;
};
