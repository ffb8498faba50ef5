// Feeds arbitrary bytes to the rack file reader, and checks that whatever reads as a rack is
// written back to the same text and read again to the same rack.
#include "rack/rackfile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace dosarium;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto read = parseRackText(bytes);
    const RackContent* content = std::get_if<RackContent>(&read);
    if (!content)
        return 0;
    const QByteArray written = writeRackText(*content);
    const auto again = parseRackText(written);
    const RackContent* reread = std::get_if<RackContent>(&again);
    if (!reread || !(*reread == *content) || writeRackText(*reread) != written)
        std::abort();
    return 0;
}
