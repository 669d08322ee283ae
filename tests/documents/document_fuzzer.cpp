// libFuzzer target: recognition and reading of document files must cope with
// any bytes, and what was read must write out and read back unchanged.
#include "documents/document_format.h"
#include "documents/profile_lookup.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace viskora;

template <typename Record> std::string written(const Record& record) {
    if constexpr (std::is_same_v<Record, BasicDocumentRecord>) {
        return basicDocumentText(record, RecordFractionRows(record));
    } else {
        return additionalDocumentText(record, RecordFractionRows(record));
    }
}

template <typename Record>
void checkStableRoundTrip(std::string_view bytes, Record (*read)(std::string_view),
                          DocumentKind kind) {
    const std::string once = written(read(bytes));
    if (recogniseDocument(once) != kind || written(read(once)) != once) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (profileString(bytes, "General", "type").size() > kProfileValueLimit) {
        std::abort();
    }
    recogniseDocument(bytes);
    checkStableRoundTrip<BasicDocumentRecord>(bytes, &readBasicDocument, DocumentKind::Basic);
    checkStableRoundTrip<AdditionalDocumentRecord>(bytes, &readAdditionalDocument,
                                                   DocumentKind::Additional);
    return 0;
}
