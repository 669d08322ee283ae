#pragma once

#include <string>

namespace viskora {

// How the engine speaks to the user. The desktop program answers with modal
// message boxes, the command-line calculator on stderr, tests with scripted
// answers. Texts are UTF-8 with "\n" line breaks.
class CalcMessages {
  public:
    virtual ~CalcMessages() = default;

    // An input error: shown with an OK button; the calculation stops.
    virtual void inputError(const std::string& text) = 0;

    // A warning ending in "Continue?": Yes and No buttons. True means Yes.
    virtual bool warning(const std::string& text) = 0;

    // A question about a doubtful design state: Yes and No, no icon.
    virtual bool question(const std::string& text) = 0;

    // The calculation failed ("Error!", or a result out of range): OK, no icon.
    virtual void failure(const std::string& text) = 0;
};

} // namespace viskora
