// Any picture path the user opens goes through the name parser and then the
// number conversions; neither may crash, only reject.
#include "phase/image_files.h"
#include "platform/conversion.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void convert(const std::string& field)
{
    for (char sep : {'.', ','}) {
        try {
            (void)textToReal(field, sep);
        } catch (const ConversionError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path(reinterpret_cast<const char*>(data), size);
    const PortraitNameFields f = parsePortraitPath(path);
    for (const std::string* field : {&f.bText, &f.rrText, &f.kxText, &f.knText, &f.pxText, &f.pnText})
        convert(*field);
    return 0;
}
