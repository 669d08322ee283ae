#include "cli/console_messages.h"

namespace viskora {

ConsoleMessages::ConsoleMessages(bool answerYes, std::ostream* out)
    : answerYes_(answerYes), out_(out) {}

void ConsoleMessages::write(const char* label, const std::string& text) {
    if (out_ == nullptr) {
        return;
    }
    *out_ << label << ": ";
    for (char c : text) {
        *out_ << c;
        if (c == '\n') {
            *out_ << "    ";
        }
    }
    *out_ << '\n';
}

void ConsoleMessages::show(const std::vector<CalcMessage>& met) {
    for (const CalcMessage& message : met) {
        if (!message.asksYesOrNo()) {
            write("error", message.text);
            shown_.push_back({"error", message.text, std::nullopt});
            continue;
        }
        write("warning", message.text);
        if (out_ != nullptr) {
            *out_ << "    -> " << (message.accepted ? "Yes" : "No (give --yes to go on)") << '\n';
        }
        shown_.push_back({"warning", message.text, message.accepted});
    }
}

bool ConsoleMessages::stoppedByAnswer() const {
    return !shown_.empty() && shown_.back().answer.has_value() && !*shown_.back().answer;
}

} // namespace viskora
