#include "phase_fixture.h"

#include "platform/conversion.h"

namespace {

TEST(PanelTexts, SummaryAndPerimeterExamples)
{
    ProgramState s;
    buildGeometry(s.geometry, s.window, 0.5, 2.0);
    EXPECT_EQ(geometrySummaryText(s.geometry, '.'),
              "r=0.68853  R8=2.0656  R=1.0328\n\ncorners: 1.119214 .. 3.20695 .. 5.929639 .. 8.017375)");
    EXPECT_EQ(perimeterText(s.geometry, '.'),
              "r=0.68853  R8=2.0656  R=1.0328\n\nDistance from the first corner?\n"
              "(0 . . 1.119214 . . 3.20695 . . 5.929639 . . 8.017375)");
    buildGeometry(s.geometry, s.window, 1.0, 2.0);
    EXPECT_EQ(geometrySummaryText(s.geometry, '.'),
              "delta= 63.435 degree\n\nr=1.118  R8=2.2361  R=1.118\n\ncorners: 2.47566 .. 4.549155 .. 7.024815 .. 9.09831)");
    EXPECT_EQ(perimeterText(s.geometry, ',').substr(0, 36), "delta=63,435 degree\nr=1,118  R8=2,23");
    buildGeometry(s.geometry, s.window, 1.0, 1.0);
    EXPECT_EQ(geometrySummaryText(s.geometry, '.').substr(0, 17), "delta= 45 degree\n");
    buildGeometry(s.geometry, s.window, 0.99999, 1.0);
    EXPECT_EQ(geometrySummaryText(s.geometry, '.').substr(0, 2), "r=");
}

TEST(PanelHandlers, WhatEachEditClears)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    EXPECT_EQ(w.texts["Label1"].substr(0, 32), "r=0.68853  R8=2.0656  R=1.0328\n\n");
    w.state.resume = ResumeState{1, 2, 3, 4};
    w.texts["Button1"] = "continue";
    w.state.paramsEdited = false;

    // Typing in the ratio box marks the parameters edited but keeps the orbit.
    w.view.setEdit2Text("3");
    EXPECT_TRUE(w.state.paramsEdited);
    EXPECT_TRUE(w.state.resume.held());
    EXPECT_EQ(w.texts["Button1"], "continue");
    // Leaving it rebuilds and lets go of the orbit.
    edit2Exit(w.state, "0.5", "3", w.view);
    EXPECT_FALSE(w.state.resume.held());
    EXPECT_EQ(w.texts["Button1"], "go");
    EXPECT_DOUBLE_EQ(w.state.geometry.rr, 3.0);
    EXPECT_EQ(w.texts["Edit3.hint"], w.texts["Label1"]);

    // The angle box lets go of the orbit but leaves the edited flag alone.
    w.state.resume = ResumeState{1, 2, 3, 4};
    w.state.paramsEdited = false;
    edit4Change(w.state, w.view);
    EXPECT_FALSE(w.state.resume.held());
    EXPECT_FALSE(w.state.paramsEdited);

    // Leaving the b box prompts but builds nothing.
    const double sEnd4 = w.state.geometry.sEnd4;
    w.view.setEdit1Text("1");
    edit1Exit(w.state, w.view);
    EXPECT_EQ(w.texts["Label1"], kPromptText);
    EXPECT_EQ(w.texts["Edit2.hint"], kPromptText);
    EXPECT_EQ(w.state.geometry.sEnd4, sEnd4);
    EXPECT_EQ(w.state.bTyped, 1.0);
}

TEST(PanelHandlers, ABadNumberStopsTheHandlerAfterWhatCameBefore)
{
    FakeWindow w;
    w.type({"0.5", "2", "1", "45", "1"});
    const std::string label = w.texts["Label1"];
    w.state.resume = ResumeState{1, 2, 3, 4};
    w.state.paramsEdited = false;
    EXPECT_THROW(edit3Change(w.state, "1e", w.view), ConversionError);
    EXPECT_FALSE(w.state.resume.held());
    EXPECT_TRUE(w.state.paramsEdited);
    EXPECT_EQ(w.state.billiard.s0, 1.0);
    EXPECT_EQ(w.texts["Label1"], label);

    EXPECT_THROW(edit1Change(w.state, "-", w.view), ConversionError);
    EXPECT_EQ(w.state.bTyped, 0.5);

    // A bad ratio leaves the previous table whole.
    const TableGeometry before = w.state.geometry;
    EXPECT_THROW(edit2Exit(w.state, "0.7", "abc", w.view), ConversionError);
    EXPECT_EQ(w.state.geometry.b, before.b);
    EXPECT_EQ(w.state.geometry.alpha, before.alpha);
    EXPECT_EQ(w.texts["Label1"], label);
}

TEST(PanelHandlers, CommaLocaleReadsAndWritesCommas)
{
    FakeWindow w;
    w.state.sep = ',';
    w.type({"0,5", "2", "1,5", "45", "1"});
    EXPECT_EQ(w.state.bTyped, 0.5);
    EXPECT_EQ(w.state.billiard.s0, 1.5);
    EXPECT_EQ(w.texts["Label1"].substr(0, 9), "r=0,68853");
    EXPECT_THROW(edit3Change(w.state, "1.5", w.view), ConversionError);
}

} // namespace
