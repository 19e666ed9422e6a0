#include "dynamics/orbit_analysis.h"

#include "dynamics/boundary.h"
#include "platform/conversion.h"
#include "platform/number_text.h"

#include <algorithm>
#include <vector>

double toleranceFromPosition(int trackBarPosition)
{
    return -static_cast<double>(trackBarPosition) * 0.001;
}

int returnCount(BilliardState& st, const TableGeometry& g, const BallState& start, double tolerance)
{
    int count = 0;
    for (;;) {
        bounceOrThrow(st, g);
        ++count;
        if (std::fabs(st.x - start.x) < tolerance && std::fabs(st.y - start.y) < tolerance
            && std::fabs(st.vx - start.vx) < tolerance && std::fabs(st.vy - start.vy) < tolerance)
            return count;
        if (count >= kReturnSearchLimit)
            return count;
    }
}

int periodFromCounts(int c1, int c2, int c3)
{
    // A search that ran out found no return, so its count says nothing about
    // the period: with it, 1000, 6 and 9 would give 1 instead of 3.
    std::vector<int> returns;
    for (int c : {c1, c2, c3})
        if (c < kReturnSearchLimit)
            returns.push_back(c);
    if (returns.empty())
        return kNoPeriod;
    int period = 0;
    const int last = *std::min_element(returns.begin(), returns.end());
    for (int i = 1; i <= last; ++i)
        if (std::all_of(returns.begin(), returns.end(), [i](int c) { return c % i == 0; }))
            period = i;
    return period;
}

std::string searchedPeriodHeader(int period, int c1, int c2, int c3)
{
    return "period?: " + std::to_string(period) + " ; " + std::to_string(c1) + " , " + std::to_string(c2) + " , "
           + std::to_string(c3) + "\n";
}

std::string typedPeriodHeader(int period) { return "period?: " + std::to_string(period) + "\n"; }

Monodromy monodromyOver(BilliardState& st, const TableGeometry& g, int period)
{
    Monodromy mono;
    for (int i = 0; i < period; ++i) {
        bounceOrThrow(st, g);
        mono.grazed = mono.grazed || grazes(st.theta);
        applyStep(mono.m, st.flight, st.hitRadius, st.theta);
    }
    return mono;
}

const char* stabilityClass(double trace)
{
    const double a = std::fabs(trace);
    if (a > 2)
        return "hiperbolic";
    if (a == 2)
        return "parabolic";
    return "elliptic";
}

std::string stabilityText(const std::string& header, const Monodromy& mono, char sep)
{
    if (mono.grazed)
        return header + "the orbit grazes the wall: stability undefined";
    const double trace = mono.m.m11 + mono.m.m22;
    if (!std::isfinite(trace))
        return header + "the trace is not a finite number: stability undefined";
    return header + formatGeneral(trace, 7, 0, sep) + "  " + stabilityClass(trace) + "\nm11="
           + formatGeneral(mono.m.m11, 6, 0, sep) + "  ;  m22=" + formatGeneral(mono.m.m22, 6, 0, sep);
}

PeriodicOrbitAnswer analysePeriodicOrbit(BilliardState& st, const TableGeometry& g, double cursorS,
                                         double cursorTheta, double tolerance, const std::string& periodText,
                                         char sep)
{
    st.cosTheta = std::cos(cursorTheta);
    st.s0 = cursorS;
    boundaryPoint(st, g, st.cosTheta, st.s0);
    const BallState start = ballState(st);

    PeriodicOrbitAnswer answer;
    int period;
    std::string header;
    if (periodText == "0") {
        const int c1 = returnCount(st, g, start, tolerance);
        const int c2 = returnCount(st, g, start, tolerance);
        const int c3 = returnCount(st, g, start, tolerance);
        period = periodFromCounts(c1, c2, c3);
        if (period == kNoPeriod)
            answer.label = "not periodic";
        else
            header = searchedPeriodHeader(period, c1, c2, c3);
    } else {
        period = textToInteger(periodText);
        header = typedPeriodHeader(period);
    }
    answer.reference = ballState(st);
    if (period != kNoPeriod)
        answer.label = stabilityText(header, monodromyOver(st, g, period), sep);
    return answer;
}

std::optional<int> cornerApproach(BilliardState& st, const TableGeometry& g, double cursorS, double cursorTheta,
                                  double tolerance, int limit)
{
    st.cosTheta = std::cos(cursorTheta);
    st.s0 = cursorS;
    boundaryPoint(st, g, st.cosTheta, st.s0);
    const double ends[] = {g.sEnd1, g.sEnd2, g.sEnd3, g.sEnd4};
    for (int count = 1; count <= limit; ++count) {
        bounceOrThrow(st, g);
        bool near = false;
        for (double e : ends)
            if (std::fabs(st.s - e) <= tolerance) {
                near = true;
                break;
            }
        if (near)
            return count < limit ? std::optional<int>(count) : std::nullopt;
    }
    return std::nullopt;
}

std::string cornerApproachText(std::optional<int> steps)
{
    if (!steps)
        return "won't approach any corners in a while";
    return "closest corner is in: " + std::to_string(*steps) + "steps";
}
