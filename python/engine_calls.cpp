#include "python/engine_calls.h"

#include "engine/calc_messages.h"

namespace viskora::python {
namespace {

// Answers every warning and question alike, as a script decided before the
// calculation ran, and keeps what the engine said.
class RecordedAnswers : public CalcMessages {
  public:
    explicit RecordedAnswers(bool yes) : yes_(yes) {}

    void inputError(const std::string& text) override { add(MetMessage::Kind::InputError, text); }
    bool warning(const std::string& text) override { return add(MetMessage::Kind::Warning, text); }
    bool question(const std::string& text) override {
        return add(MetMessage::Kind::Question, text);
    }
    void failure(const std::string& text) override { add(MetMessage::Kind::Failure, text); }

    std::vector<MetMessage> take() { return std::move(met_); }

  private:
    bool add(MetMessage::Kind kind, const std::string& text) {
        const bool asks = kind == MetMessage::Kind::Warning || kind == MetMessage::Kind::Question;
        met_.push_back({kind, text, asks && yes_});
        return yes_;
    }

    bool yes_;
    std::vector<MetMessage> met_;
};

} // namespace

BasicRun runBasic(const OilInputs& oil, bool acceptWarnings) {
    RecordedAnswers answers(acceptWarnings);
    BasicRun run{calculateBasic(oil, &answers), {}};
    run.messages = answers.take();
    return run;
}

AdditionalRun runAdditional(const OilInputs& oil, bool acceptWarnings) {
    RecordedAnswers answers(acceptWarnings);
    AdditionalRun run{calculateAdditional(oil, &answers), {}};
    run.messages = answers.take();
    return run;
}

SweepRun runSweepPoints(const OilInputs& oil, const SweepSettings& settings,
                        const std::vector<double>& values,
                        const std::vector<MeasuredViscosity>& measured, bool acceptWarnings) {
    RecordedAnswers answers(acceptWarnings);
    SweepRun run{runSweepAt(oil, settings, values, measured, &answers), {}};
    run.messages = answers.take();
    return run;
}

} // namespace viskora::python
