#pragma once

#include "engine/calc_messages.h"
#include "engine/calc_warnings.h"

#include <deque>
#include <string>
#include <vector>

namespace viskora::testing {

// Records every message the engine shows and answers warnings and questions
// from a script; once the script runs out, every answer is `fallback`.
class ScriptedMessages : public CalcMessages {
  public:
    enum class Kind { InputError, Warning, Question, Failure };
    struct Shown {
        Kind kind;
        std::string text;
    };

    explicit ScriptedMessages(bool fallback = true) : fallback_(fallback) {}

    void answerNext(bool yes) { answers_.push_back(yes); }

    void inputError(const std::string& text) override;
    bool warning(const std::string& text) override;
    bool question(const std::string& text) override;
    void failure(const std::string& text) override;

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<std::string> texts() const;

  private:
    bool nextAnswer();

    bool fallback_;
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};

// The texts of the messages a calculation met, in order.
inline std::vector<std::string> textsOf(const std::vector<CalcMessage>& met) {
    std::vector<std::string> texts;
    for (const CalcMessage& message : met) {
        texts.push_back(message.text);
    }
    return texts;
}

} // namespace viskora::testing
