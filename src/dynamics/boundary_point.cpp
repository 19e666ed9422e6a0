#include "dynamics/boundary.h"
#include "dynamics/bounce.h"

#include <cmath>

namespace {

// Tangent of the arc's circle at (x, y), pointing towards growing s.
void arcTangent(const TableGeometry& g, int arc, double x, double y, double& tx, double& ty)
{
    double m;
    switch (arc) {
    case 1:
        m = -(x - g.x1) / (y - g.y1);
        tx = -1.0 / std::sqrt(m * m + 1.0);
        ty = -m / std::sqrt(m * m + 1.0);
        return;
    case 2:
        m = -(y - g.y2) / (x - g.x2);
        tx = -m / std::sqrt(m * m + 1.0);
        ty = -1.0 / std::sqrt(m * m + 1.0);
        return;
    case 4:
        m = -(y - g.y4) / (x - g.x4);
        tx = m / std::sqrt(m * m + 1.0);
        ty = 1.0 / std::sqrt(m * m + 1.0);
        return;
    default:
        if (y < g.y3) {
            m = -(x - g.x3) / (y - g.y3);
            tx = 1.0 / std::sqrt(m * m + 1.0);
            ty = m / std::sqrt(m * m + 1.0);
        } else if (x > 0.0) {
            m = -(y - g.y3) / (x - g.x3);
            tx = m / std::sqrt(m * m + 1.0);
            ty = 1.0 / std::sqrt(m * m + 1.0);
        } else {
            m = -(y - g.y3) / (x - g.x3);
            tx = -m / std::sqrt(m * m + 1.0);
            ty = -1.0 / std::sqrt(m * m + 1.0);
        }
        return;
    }
}

void placeOnBoundary(BilliardState& st, const TableGeometry& g, double cosTheta, double s)
{
    double x = st.x, y = st.y;
    const int arc = boundaryPosition(g, s, x, y);
    if (arc == 0)
        return;
    st.x = x;
    st.y = y;
    arcTangent(g, arc, x, y, st.tx, st.ty);
    const double c = clampCos(cosTheta);
    const double w = std::sqrt(1.0 - c * c);
    st.vx = c * st.tx - w * st.ty;
    st.vy = w * st.tx + c * st.ty;
}

} // namespace

void boundaryPoint(BilliardState& st, const TableGeometry& g, double cosTheta, double s)
{
    if (s > g.sEnd4)
        s = std::fmod(s, g.sEnd4);
    placeOnBoundary(st, g, cosTheta, s);
}

void launch(BilliardState& st, const TableGeometry& g, PhaseWindow& window, RunDataFile& dataFile,
            double bTyped)
{
    st.arcIndex = 1;
    openRunDataFile(dataFile, kRunDataFileName);
    writeRunDataHeader(dataFile, g, bTyped);
    if (st.s0 > g.sEnd4)
        st.s0 = std::fmod(st.s0, g.sEnd4);
    placeOnBoundary(st, g, st.cosTheta, st.s0);
    writeRunDataLaunch(dataFile, st);
    window.scaleX = 778.0 / (window.kx - window.kn);
    window.scaleY = 666.0 / (window.px - window.pn);
}
