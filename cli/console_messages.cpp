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

void ConsoleMessages::inputError(const std::string& text) {
    write("error", text);
    shown_.push_back({"error", text, std::nullopt});
}

bool ConsoleMessages::ask(const std::string& text) {
    write("warning", text);
    if (out_ != nullptr) {
        *out_ << "    -> " << (answerYes_ ? "Yes" : "No (give --yes to go on)") << '\n';
    }
    shown_.push_back({"warning", text, answerYes_});
    return answerYes_;
}

bool ConsoleMessages::warning(const std::string& text) {
    return ask(text);
}

bool ConsoleMessages::question(const std::string& text) {
    return ask(text);
}

void ConsoleMessages::failure(const std::string& text) {
    write("error", text);
    shown_.push_back({"error", text, std::nullopt});
}

bool ConsoleMessages::stoppedByAnswer() const {
    return !shown_.empty() && shown_.back().answer.has_value() && !*shown_.back().answer;
}

} // namespace viskora
