#include "scripted_messages.h"

namespace viskora::testing {

void ScriptedMessages::inputError(const std::string& text) {
    shown_.push_back({Kind::InputError, text});
}

bool ScriptedMessages::warning(const std::string& text) {
    shown_.push_back({Kind::Warning, text});
    return nextAnswer();
}

bool ScriptedMessages::question(const std::string& text) {
    shown_.push_back({Kind::Question, text});
    return nextAnswer();
}

void ScriptedMessages::failure(const std::string& text) {
    shown_.push_back({Kind::Failure, text});
}

std::vector<std::string> ScriptedMessages::texts() const {
    std::vector<std::string> result;
    for (const Shown& s : shown_) {
        result.push_back(s.text);
    }
    return result;
}

bool ScriptedMessages::nextAnswer() {
    if (answers_.empty()) {
        return fallback_;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace viskora::testing
