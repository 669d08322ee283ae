#pragma once

#include "engine/calc_messages.h"

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

// The engine's messages on a console: each is written to `out` (when given)
// with its kind, and warnings and questions get the answer chosen on the
// command line (`--yes`, else No).
class ConsoleMessages : public CalcMessages {
  public:
    ConsoleMessages(bool answerYes, std::ostream* out);

    void inputError(const std::string& text) override;
    bool warning(const std::string& text) override;
    bool question(const std::string& text) override;
    void failure(const std::string& text) override;

    const std::vector<ShownMessage>& shown() const { return shown_; }

    // True when the last message was a warning or question answered No.
    bool stoppedByAnswer() const;

  private:
    void write(const char* label, const std::string& text);
    bool ask(const std::string& text);

    bool answerYes_;
    std::ostream* out_;
    std::vector<ShownMessage> shown_;
};

} // namespace viskora
