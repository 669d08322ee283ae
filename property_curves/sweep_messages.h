#pragma once

#include "engine/calc_messages.h"

#include <map>
#include <set>
#include <string>

namespace viskora {

// The engine's messages over a whole sweep. A warning or question is put to
// the user once; every later point that meets the same text gets the first
// answer. An input error or failure is passed on the first time its text
// appears. Each point keeps the text that stopped it, for its row.
class SweepMessages : public CalcMessages {
  public:
    // `user` may be null: then every warning and question is answered No.
    explicit SweepMessages(CalcMessages* user) : user_(user) {}

    // Starts a new point: its message is cleared.
    void startPoint() {
        pointMessage_.clear();
        stoppedByAnswer_ = false;
    }
    const std::string& pointMessage() const { return pointMessage_; }
    // True when the point's message is a warning or question answered No.
    bool stoppedByAnswer() const { return stoppedByAnswer_; }

    void inputError(const std::string& text) override;
    bool warning(const std::string& text) override;
    bool question(const std::string& text) override;
    void failure(const std::string& text) override;

  private:
    void tell(const std::string& text, bool isFailure);
    bool answer(const std::string& text, bool asQuestion);

    CalcMessages* user_;
    std::map<std::string, bool> answers_;
    std::set<std::string> told_;
    std::string pointMessage_;
    bool stoppedByAnswer_ = false;
};

} // namespace viskora
