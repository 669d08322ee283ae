#pragma once

#include "engine/calc_warnings.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {

// A message as the calculator showed it, for the JSON output.
struct ShownMessage {
    std::string kind; // "error" or "warning"
    std::string text;
    std::optional<bool> answer; // warnings and questions only: true = Yes
};

// The engine's messages on a console: warnings and questions get the answer
// chosen on the command line (`--yes`, else No), and each message a
// calculation met is written to `out` (when given) with its kind.
class ConsoleMessages {
  public:
    ConsoleMessages(bool answerYes, std::ostream* out);

    // What the calculation is to accept: everything with --yes, else nothing.
    AcceptedWarnings accepted() const {
        return answerYes_ ? AcceptedWarnings::all() : AcceptedWarnings();
    }
    // Writes and keeps the messages a calculation met, in order.
    void show(const std::vector<CalcMessage>& met);

    const std::vector<ShownMessage>& shown() const { return shown_; }

    // True when the last message was a warning or question answered No.
    bool stoppedByAnswer() const;

  private:
    void write(const char* label, const std::string& text);

    bool answerYes_;
    std::ostream* out_;
    std::vector<ShownMessage> shown_;
};

} // namespace viskora
