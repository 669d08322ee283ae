#pragma once

#include "engine/calc_messages.h"
#include "engine/calc_warnings.h"

#include <vector>

namespace viskora {

// The steps' messages kept in the order met, each warning and question
// answered from the caller's accepted texts. Private to the engine: its
// callers get the list with the outcome and are asked nothing mid-run.
class RecordingMessages : public CalcMessages {
  public:
    explicit RecordingMessages(const AcceptedWarnings& accepted) : accepted_(accepted) {}

    void inputError(const std::string& text) override { keep(CalcMessage::Kind::InputError, text); }
    bool warning(const std::string& text) override {
        return keep(CalcMessage::Kind::Warning, text);
    }
    bool question(const std::string& text) override {
        return keep(CalcMessage::Kind::Question, text);
    }
    void failure(const std::string& text) override { keep(CalcMessage::Kind::Failure, text); }

    std::vector<CalcMessage> take() { return std::move(met_); }

  private:
    bool keep(CalcMessage::Kind kind, const std::string& text) {
        const bool accepted = kind != CalcMessage::Kind::InputError &&
                              kind != CalcMessage::Kind::Failure && accepted_.accepts(text);
        met_.push_back({kind, text, accepted});
        return accepted;
    }

    const AcceptedWarnings& accepted_;
    std::vector<CalcMessage> met_;
};

} // namespace viskora
