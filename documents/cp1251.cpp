#include "documents/cp1251.h"

#include <cerrno>
#include <cstddef>
#include <iconv.h>

namespace viskora {
namespace {

// The byte windows-1251 leaves unassigned and the character it stands for here.
constexpr unsigned char kUnassignedByte = 0x98;
constexpr std::string_view kUnassignedUtf8 = "\xC2\x98";

// Length of the well-formed UTF-8 sequence at the start of text, 0 if none.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto isContinuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(i)) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points above U+10FFFF.
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of input as iconv accepts, appending to output.
    // Returns the number of input bytes consumed; stops at the first byte
    // sequence iconv refuses.
    std::size_t convert(std::string_view input, std::string& output) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::size_t consumed = 0;
        while (consumed < input.size()) {
            char buffer[4096];
            char* in = const_cast<char*>(input.data() + consumed);
            std::size_t inLeft = input.size() - consumed;
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            consumed = input.size() - inLeft;
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                break;
            }
        }
        return consumed;
    }

  private:
    iconv_t handle_;
};

// Opening a conversion costs more than converting a line, so each thread
// keeps one converter of each direction.
Converter& toCp1251Converter() {
    thread_local Converter converter("CP1251", "UTF-8");
    return converter;
}

Converter& toUtf8Converter() {
    thread_local Converter converter("UTF-8", "CP1251");
    return converter;
}

} // namespace

std::string utf8ToCp1251(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    Converter& converter = toCp1251Converter();
    while (!utf8.empty()) {
        if (converter.valid()) {
            utf8.remove_prefix(converter.convert(utf8, result));
            if (utf8.empty()) {
                break;
            }
        }
        // iconv stopped on a character it cannot write or on broken UTF-8.
        if (utf8.starts_with(kUnassignedUtf8)) {
            result.push_back(static_cast<char>(kUnassignedByte));
            utf8.remove_prefix(kUnassignedUtf8.size());
            continue;
        }
        const std::size_t length = utf8SequenceLength(utf8);
        if (!converter.valid() && length == 1) {
            result.push_back(utf8.front());
        } else {
            result.push_back('?');
        }
        utf8.remove_prefix(length == 0 ? 1 : length);
    }
    return result;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string result;
    result.reserve(bytes.size() * 2);
    Converter& converter = toUtf8Converter();
    while (!bytes.empty()) {
        if (converter.valid()) {
            bytes.remove_prefix(converter.convert(bytes, result));
            if (bytes.empty()) {
                break;
            }
        }
        const auto byte = static_cast<unsigned char>(bytes.front());
        if (byte == kUnassignedByte) {
            result.append(kUnassignedUtf8);
        } else if (byte < 0x80) {
            result.push_back(static_cast<char>(byte));
        } else {
            result.append("\xEF\xBF\xBD");
        }
        bytes.remove_prefix(1);
    }
    return result;
}

} // namespace viskora
