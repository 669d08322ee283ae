// libFuzzer target: the property curves reader must cope with any bytes, and
// a document it reads must write out and read back the same.
#include "property_curves/property_curves_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const viskora::CurveReadResult read = viskora::readCurveDocument(bytes);
    if (read.document.has_value() != read.message.empty()) {
        std::abort();
    }
    if (read.document) {
        const std::string once = viskora::curveDocumentText(*read.document);
        const viskora::CurveReadResult again = viskora::readCurveDocument(once);
        if (!again.document || !(*again.document == *read.document)) {
            std::abort();
        }
    }
    return 0;
}
