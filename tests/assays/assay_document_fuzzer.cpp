// libFuzzer target for the .vka reader: whatever it reads must write back
// and read again the same assay.
#include "assays/assay_document.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    viskora::assays::isAssayDocument(bytes);
    const viskora::assays::AssayReadResult first = viskora::assays::readAssayDocument(bytes);
    if (!first.assay) {
        return 0;
    }
    const viskora::assays::AssayReadResult second =
        viskora::assays::readAssayDocument(viskora::assays::assayDocumentText(*first.assay));
    if (!second.assay || !(*second.assay == *first.assay)) {
        std::abort();
    }
    return 0;
}
