#pragma once

#include "phase/program_state.h"
#include "platform/canvas.h"

#include <stdexcept>
#include <string>

// A picture file that cannot be written or read: the handler stops and the
// message is shown; what the handler did before stays done.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stamp that names carry: the last chord length's text.
void refreshStamp(ProgramState& state);

// "fk_B_<bTyped>_rr_<rr>_i_<stamp>_kx_<kx>_kn_<kn>_px_<px>_pn_<pn>.bmp", fixed format.
std::string portraitName(const ProgramState& state);
// "vazlatB_<b>_rr_<rr>_i_<stamp>.bmp", general format, b of the last build.
std::string draftName(const ProgramState& state);

// Saves the phase image under the portrait name in the working directory.
// Throws FileError when the file cannot be created. Returns the name.
std::string savePortrait(const ProgramState& state, const Canvas& phaseImage);
// Refreshes the stamp and saves the sketch under the draft name.
std::string saveDraft(ProgramState& state, const Canvas& sketch);

// The fields that a portrait's full path carries, found as the loader finds
// them: the first occurrence of each key anywhere in the path.
struct PortraitNameFields {
    std::string bText, rrText, kxText, knText, pxText, pnText;
};
PortraitNameFields parsePortraitPath(const std::string& path);
