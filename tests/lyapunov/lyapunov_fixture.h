#pragma once

#include "dynamics/boundary.h"
#include "lyapunov/lyapunov_ops.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

// Every test works in a fresh directory: the operations write "adat2.dat",
// "ljap.bmp" and "ljap.dat" into the working directory.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(old_); }

    static std::string readFile(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void writeFile(const std::string& name, const std::string& text)
    {
        std::ofstream(name, std::ios::binary) << text;
    }
    static bool exists(const char* name) { return QFile::exists(QString::fromLatin1(name)); }

private:
    QTemporaryDir dir_;
    QString old_;
};

// The table b = 0.5, rr = 2 with a ball on a chaotic orbit, the Lyapunov
// window's start state and its graph.
struct Lab {
    ProgramState state;
    LyapunovPanel panel;
    Canvas graph{kGraphWidth, kGraphHeight};
    BallState reference;

    Lab()
    {
        buildGeometry(state.geometry, state.window, 0.5, 2.0);
        boundaryPoint(state.billiard, state.geometry, std::cos(1.1), 1.3);
        reference = ballState(state.billiard);
    }

    void series() { growthSeriesRun(state, reference, panel, graph); }

    int pixelsOf(Rgb colour) const
    {
        if (!graph.isDrawn())
            return 0;
        int n = 0;
        for (int y = 0; y < graph.height(); ++y)
            for (int x = 0; x < graph.width(); ++x)
                n += graph.pixel(x, y) == colour;
        return n;
    }
};
