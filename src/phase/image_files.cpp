#include "phase/image_files.h"

#include "platform/number_text.h"

void refreshStamp(ProgramState& state)
{
    // The stamp was once a date-time pattern; its text is the chord length's.
    state.imageStamp = stampText(state.billiard.flight, state.sep);
}

std::string portraitName(const ProgramState& state)
{
    const char sep = state.sep;
    const PhaseWindow& w = state.window;
    return "fk_B_" + formatFixed(state.bTyped, sep) + "_rr_" + formatFixed(state.geometry.rr, sep) + "_i_"
           + state.imageStamp + "_kx_" + formatFixed(w.kx, sep) + "_kn_" + formatFixed(w.kn, sep) + "_px_"
           + formatFixed(w.px, sep) + "_pn_" + formatFixed(w.pn, sep) + ".bmp";
}

std::string draftName(const ProgramState& state)
{
    const char sep = state.sep;
    return "vazlatB_" + formatGeneral(state.geometry.b, 7, 3, sep) + "_rr_" + formatGeneral(state.geometry.rr, 7, 3, sep)
           + "_i_" + state.imageStamp + ".bmp";
}

namespace {

std::string saveOrThrow(const Canvas& canvas, const std::string& name)
{
    std::string error;
    if (!canvas.saveBitmap(name, error))
        throw FileError(error);
    return name;
}

// 1-based position of the first occurrence, 0 when absent.
std::size_t pos(const std::string& path, const char* key)
{
    const std::size_t at = path.find(key);
    return at == std::string::npos ? 0 : at + 1;
}

// The part from 1-based position i, at most n characters; empty for n <= 0
// or i beyond the end; i below 1 counts as 1.
std::string sub(const std::string& path, long i, long n)
{
    if (i < 1)
        i = 1;
    if (n <= 0 || i > static_cast<long>(path.size()))
        return {};
    return path.substr(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(n));
}

} // namespace

std::string savePortrait(const ProgramState& state, const Canvas& phaseImage)
{
    return saveOrThrow(phaseImage, portraitName(state));
}

std::string saveDraft(ProgramState& state, const Canvas& sketch)
{
    refreshStamp(state);
    return saveOrThrow(sketch, draftName(state));
}

PortraitNameFields parsePortraitPath(const std::string& path)
{
    const long posB = static_cast<long>(pos(path, "B_"));
    const long posRrBar = static_cast<long>(pos(path, "_rr_"));
    const long posRr = static_cast<long>(pos(path, "rr_"));
    const long posI = static_cast<long>(pos(path, "_i"));
    PortraitNameFields f;
    f.bText = sub(path, posB + 2, posRrBar - posB - 2);
    f.rrText = sub(path, posRr + 3, posI - posRr - 3);
    f.kxText = sub(path, static_cast<long>(pos(path, "kx_")) + 3, 7);
    f.knText = sub(path, static_cast<long>(pos(path, "kn_")) + 3, 7);
    f.pxText = sub(path, static_cast<long>(pos(path, "px_")) + 3, 7);
    f.pnText = sub(path, static_cast<long>(pos(path, "pn_")) + 3, 7);
    return f;
}
