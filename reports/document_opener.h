#pragma once

#include <filesystem>

namespace viskora {

// Hands a written report to the desktop, which opens it with the program
// associated with its type. The desktop program supplies the real one; the
// calculator opens nothing.
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual void open(const std::filesystem::path& file) = 0;
};

} // namespace viskora
