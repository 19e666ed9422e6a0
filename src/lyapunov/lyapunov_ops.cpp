#include "lyapunov/lyapunov_ops.h"

#include "phase/orbit_run.h"
#include "phase/plot.h"
#include "platform/conversion.h"
#include "platform/number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

constexpr const char* kSeriesFile = "adat2.dat";
constexpr const char* kGraphFile = "ljap.bmp";
constexpr const char* kResultsFile = "ljap.dat";

// A text file that reports, by name, the first thing that went wrong with it.
class TextFile {
public:
    TextFile(const char* name, const char* mode) : name_(name), f_(std::fopen(name, mode))
    {
        if (!f_)
            fail(mode[0] == 'r' ? "cannot read " : "cannot write ");
    }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile()
    {
        if (f_)
            std::fclose(f_);
    }

    void write(const std::string& text)
    {
        if (ok_ && std::fwrite(text.data(), 1, text.size(), f_) != text.size())
            ok_ = false, errno_ = errno;
    }
    std::string readAll()
    {
        std::string text;
        char buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f_)) > 0)
            text.append(buffer, n);
        return text;
    }
    // Empty when every write reached the file.
    std::string close()
    {
        if (std::fclose(f_) != 0 && ok_)
            ok_ = false, errno_ = errno;
        f_ = nullptr;
        return ok_ ? std::string() : "cannot write " + std::string(name_) + ": " + std::strerror(errno_);
    }

private:
    [[noreturn]] void fail(const char* what)
    {
        throw std::runtime_error(what + std::string(name_) + ": " + std::strerror(errno));
    }
    const char* name_;
    std::FILE* f_;
    bool ok_ = true;
    int errno_ = 0;
};

std::string padLeft(std::string s, std::size_t width)
{
    if (s.size() < width)
        s.insert(0, width - s.size(), ' ');
    return s;
}

int graphColumn(const ProgramState& state, double block)
{
    return truncPixel(block * state.graphStepX + 5);
}

int graphRow(const ProgramState& state, double value)
{
    return truncPixel(330 - state.graphScaleY * value);
}

void setTrackBar1Max(ProgramState& state, LyapunovPanel& panel, int maximum)
{
    panel.trackBar1Max = maximum;
    if (panel.trackBar1Position > maximum)
        moveTrackBar1(state, panel, maximum);
}

void setTrackBar2Max(ProgramState& state, LyapunovPanel& panel, int maximum)
{
    panel.trackBar2Max = maximum;
    if (panel.trackBar2Position > maximum)
        moveTrackBar2(state, panel, maximum);
}

struct SeriesRow {
    int block;
    double value;
};

// Rows of "adat2.dat" up to `limit`, stopping at the end of the file or at
// the first text that is not a row.
std::vector<SeriesRow> readSeriesRows(const std::string& text, int limit)
{
    std::vector<SeriesRow> rows;
    const char* p = text.data();
    const char* end = p + text.size();
    auto skipBlanks = [&] {
        while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
            ++p;
    };
    while (static_cast<int>(rows.size()) < limit) {
        SeriesRow row{};
        skipBlanks();
        auto [afterBlock, e1] = std::from_chars(p, end, row.block);
        if (e1 != std::errc())
            break;
        p = afterBlock;
        skipBlanks();
        auto [afterValue, e2] = std::from_chars(p, end, row.value, std::chars_format::fixed);
        if (e2 != std::errc() || !std::isfinite(row.value))
            break;
        p = afterValue;
        rows.push_back(row);
    }
    return rows;
}

} // namespace

std::string fixedSix(double v, int width)
{
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 6);
    return padLeft(ec == std::errc() ? std::string(buffer, end) : std::string("nan"), width);
}

std::string seriesRow(int block, double value)
{
    return padLeft(std::to_string(block), 4) + "   " + fixedSix(value, 20) + " \n";
}

void drawGraphFrame(Canvas& graph)
{
    graph.setPenColor(kGreen);
    graph.moveTo(0, 330);
    graph.lineTo(405, 330);
    for (int x : {105, 205, 305, 405}) {
        graph.moveTo(x, 333);
        graph.lineTo(x, 327);
    }
    graph.moveTo(5, 337);
    graph.lineTo(5, 0);
    for (int y : {165, 87, 252, 1}) {
        graph.moveTo(8, y);
        graph.lineTo(2, y);
    }
    graph.setPenColor(kBlack);
}

void yMaxChange(ProgramState& state, const std::string& text)
{
    state.yMax = static_cast<float>(textToReal(text, state.sep));
}

void clearGraph(Canvas& graph, LyapunovPanel& panel)
{
    graph.setBrushColor(kWhite);
    graph.fillRect(0, 0, 410, 340);
    graph.setBrushColor(kBlack);
    panel.edit4.clear();
    drawGraphFrame(graph);
}

void growthSeriesRun(ProgramState& state, const BallState& reference, LyapunovPanel& panel, Canvas& graph)
{
    TextFile file(kSeriesFile, "w");
    state.lgTrMax = 0.0f;
    state.blockSize = textToInteger(panel.edit1);
    state.blockCount = textToInteger(panel.edit2);
    // Checked here, before any drawing: the graph's x step divides by the
    // count and its y scale by Ymax.
    if (state.blockCount < 1)
        throw std::runtime_error("the number of blocks must be at least 1, not " + std::to_string(state.blockCount));
    if (state.yMax == 0.0f)
        throw std::runtime_error("Ymax is 0, so the graph has no vertical scale: type another Ymax");
    state.graphStepX = static_cast<float>(400 / state.blockCount);
    state.graphScaleY = static_cast<float>(330.0 / state.yMax);

    drawGraphFrame(graph);
    graph.moveTo(5, graphRow(state, std::log(2.0)));

    // A zero trace has no logarithm, and a product that overflowed has no
    // finite one: such a block gets no row and no point, so neither "-inf"
    // nor "inf" reaches the file the fit reads, and the polyline bridges it.
    int leftOut = 0;
    growthSeries(state.billiard, state.geometry, reference, state.blockSize, state.blockCount,
                 [&](int m, double v) {
                     if (!std::isfinite(v)) {
                         ++leftOut;
                         return;
                     }
                     if (!(state.lgTrMax >= v))
                         state.lgTrMax = static_cast<float>(v);
                     file.write(seriesRow(m, v));
                     if (panel.checkBox4) {
                         if (panel.showWindow)
                             panel.showWindow();
                         if (panel.repaintWindow)
                             panel.repaintWindow();
                         graph.setBrushColor(kBlack);
                         graph.lineTo(graphColumn(state, m), graphRow(state, v));
                     }
                 });

    panel.label4 = "lg(tr)max: " + formatGeneral(std::ceil(static_cast<double>(state.lgTrMax)), 15, 0, state.sep);
    if (leftOut > 0)
        panel.label4.append("\n").append(std::to_string(leftOut)).append(" blocks left out: trace 0 or not finite");

    const int bars = textToInteger(panel.edit2);
    setTrackBar1Max(state, panel, bars);
    moveTrackBar1(state, panel, bars);
    setTrackBar2Max(state, panel, bars);
    panel.tickFrequency = static_cast<int>(state.graphStepX);

    std::string problems = file.close();
    std::string bitmapError;
    if (!graph.saveBitmap(kGraphFile, bitmapError))
        problems += (problems.empty() ? "" : "\n") + bitmapError;
    if (!problems.empty())
        throw std::runtime_error(problems);
}

std::optional<std::string> analysisClick(ProgramState& state, int sensitivityPosition, const std::string& edit6Text,
                                         LyapunovPanel& panel, Canvas& graph,
                                         const std::function<void(const std::string&)>& showLabel11)
{
    const PeriodicOrbitAnswer answer =
        analysePeriodicOrbit(state.billiard, state.geometry, state.cursorS, state.cursorTheta,
                             toleranceFromPosition(sensitivityPosition), edit6Text, state.sep);
    if (answer.label && showLabel11)
        showLabel11(*answer.label);
    growthSeriesRun(state, answer.reference, panel, graph);
    return answer.label;
}

std::string cornerApproachClick(ProgramState& state, int sensitivityPosition)
{
    return cornerApproachText(cornerApproach(state.billiard, state.geometry, state.cursorS, state.cursorTheta,
                                             toleranceFromPosition(sensitivityPosition)));
}

void fitLinear(ProgramState& state, LyapunovPanel& panel, Canvas& graph)
{
    const int blockCount = textToInteger(panel.edit2);
    if (!(state.lgTrMax > 0.0f))
        throw std::runtime_error("fit linear: the last series has no value above 0, so the graph has no scale "
                                 "(run an analysis first)");
    std::string text;
    {
        TextFile file(kSeriesFile, "r");
        text = file.readAll();
    }
    const std::vector<SeriesRow> rows = readSeriesRows(text, blockCount);

    double count = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (state.fitStart < i && i < blockCount - state.fitEndCut) {
            const double n = rows[i].block, y = rows[i].value;
            count += 1;
            sx += n;
            sxx += n * n;
            sy += y;
            sxy += n * y;
        }
    }
    const double d = count * sxx - sx * sx;
    if (count < 2 || d == 0)
        throw std::runtime_error("fit linear: fewer than two blocks of " + std::string(kSeriesFile)
                                 + " lie in the range; move the track bars apart");
    if (state.blockSize < 1)
        throw std::runtime_error("fit linear: the last series had blocks of " + std::to_string(state.blockSize)
                                 + " bounces, so there is no gradient per bounce");
    const double a = (count * sxy - sx * sy) / d;
    const double b = (sxx * sy - sx * sxy) / d;

    state.blockCount = blockCount;
    state.graphScaleY = static_cast<float>(330.0 / state.lgTrMax);
    state.yMax = state.lgTrMax;
    graph.setBrushColor(kWhite);
    graph.fillRect(0, 0, 410, 340);
    graph.setBrushColor(kBlack);
    drawGraphFrame(graph);
    graph.moveTo(5, 330);
    for (const SeriesRow& row : rows)
        graph.lineTo(graphColumn(state, row.block), graphRow(state, row.value));

    state.gradient = a / state.blockSize;
    const int endBlock = state.blockCount - state.fitEndCut;
    graph.setPenColor(kRed);
    graph.moveTo(graphColumn(state, state.fitStart), graphRow(state, a * state.fitStart + b));
    graph.lineTo(graphColumn(state, endBlock), graphRow(state, a * endBlock + b));

    panel.label4 = "y=ax+b\na= " + formatScientific(a, 7, state.sep) + "\nb= " + formatScientific(b, 7, state.sep)
                   + "\nblockindependent gradient:";
    panel.edit4 = formatGeneral(state.gradient, 7, 0, state.sep);
}

void moveTrackBar1(ProgramState& state, LyapunovPanel& panel, int position)
{
    position = std::max(0, std::min(position, panel.trackBar1Max));
    if (position == panel.trackBar1Position)
        return;
    panel.trackBar1Position = position;
    trackBar1Change(state, panel);
}

void moveTrackBar2(ProgramState& state, LyapunovPanel& panel, int position)
{
    position = std::max(0, std::min(position, panel.trackBar2Max));
    if (position == panel.trackBar2Position)
        return;
    panel.trackBar2Position = position;
    trackBar2Change(state, panel);
}

void trackBar1Change(ProgramState& state, LyapunovPanel& panel)
{
    state.fitEndCut = state.blockCount - panel.trackBar1Position;
    if (panel.trackBar1Max - state.fitEndCut <= state.fitStart) {
        state.fitEndCut = panel.trackBar1Max - state.fitStart - 1;
        moveTrackBar1(state, panel, panel.trackBar1Max - state.fitEndCut);
    }
}

void trackBar2Change(ProgramState& state, LyapunovPanel& panel)
{
    state.fitStart = panel.trackBar2Position;
    if (panel.trackBar1Max - state.fitEndCut <= state.fitStart) {
        state.fitStart = panel.trackBar1Max - state.fitEndCut - 1;
        moveTrackBar2(state, panel, state.fitStart);
    }
}

void writeResult(ProgramState& state, LyapunovPanel& panel)
{
    const bool newLine = state.paramsEdited;
    std::string text;
    if (newLine)
        text.append("\n").append(fixedSix(state.bTyped, 7)).append("  ").append(fixedSix(state.geometry.rr, 7)).append("    ");
    const int count = (newLine ? 0 : state.writeCount) + 1;
    text += "  " + fixedSix(state.gradient, 7);

    TextFile file(kResultsFile, "a");
    file.write(text);
    const std::string problem = file.close();
    if (!problem.empty())
        throw std::runtime_error(problem);
    if (newLine)
        state.paramsEdited = false;
    state.writeCount = count;
    panel.edit5 = std::to_string(count);
}
