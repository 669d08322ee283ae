#pragma once

#include <set>
#include <string>
#include <vector>

namespace viskora {

// A message a calculation met, with the engine's own text (UTF-8, "\n"
// line breaks).
struct CalcMessage {
    enum class Kind {
        InputError, // the inputs cannot be calculated; shown with OK
        Warning,    // a doubtful input ending in "Continue?"; Yes or No
        Question,   // a doubtful design state; Yes or No
        Failure,    // the calculation broke down or a result is out of range
    };
    Kind kind = Kind::InputError;
    std::string text;
    bool accepted = false; // a warning or question the caller accepted

    bool asksYesOrNo() const { return kind == Kind::Warning || kind == Kind::Question; }
};

// The warnings and questions a caller answers Yes to before a calculation
// runs, by their texts. A calculation meets them in a fixed order, so a
// caller that asks its user goes on by calculating again with one more
// accepted text, and the user sees the same questions in the same order.
class AcceptedWarnings {
  public:
    // None: the first warning or question stops the calculation.
    AcceptedWarnings() = default;
    // Every warning and question, as a script that answers Yes to all.
    static AcceptedWarnings all() {
        AcceptedWarnings every;
        every.all_ = true;
        return every;
    }

    void accept(const std::string& text) { texts_.insert(text); }
    bool accepts(const std::string& text) const { return all_ || texts_.count(text) != 0; }

  private:
    bool all_ = false;
    std::set<std::string> texts_;
};

// What stopped a calculation that did not complete: the last message met,
// or none where the engine had nothing to say.
inline const CalcMessage* stoppingMessage(const std::vector<CalcMessage>& messages) {
    return messages.empty() ? nullptr : &messages.back();
}

} // namespace viskora
