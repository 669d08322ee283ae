#include "property_curves/sweep_messages.h"

namespace viskora {

void SweepMessages::tell(const std::string& text, bool isFailure) {
    pointMessage_ = text;
    stoppedByAnswer_ = false;
    if (user_ == nullptr || !told_.insert(text).second) {
        return;
    }
    if (isFailure) {
        user_->failure(text);
    } else {
        user_->inputError(text);
    }
}

void SweepMessages::inputError(const std::string& text) {
    tell(text, false);
}

void SweepMessages::failure(const std::string& text) {
    tell(text, true);
}

bool SweepMessages::answer(const std::string& text, bool asQuestion) {
    const auto known = answers_.find(text);
    bool yes = false;
    if (known != answers_.end()) {
        yes = known->second;
    } else {
        if (user_ != nullptr) {
            yes = asQuestion ? user_->question(text) : user_->warning(text);
        }
        answers_.emplace(text, yes);
    }
    if (!yes) {
        pointMessage_ = text;
        stoppedByAnswer_ = true;
    }
    return yes;
}

bool SweepMessages::warning(const std::string& text) {
    return answer(text, false);
}

bool SweepMessages::question(const std::string& text) {
    return answer(text, true);
}

} // namespace viskora
