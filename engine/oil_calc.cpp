#include "engine/oil_calc.h"

#include "engine/calc_messages.h"
#include "engine/cut_tables.h"

namespace viskora {

COilCalc::COilCalc(CalcMessages* messages) : messages_(messages) {
    fracStartIn[1] = 50;
    fracStartIn[2] = 100;
    fracStartIn[3] = 200;
    fracEndIn[1] = 100;
    fracEndIn[2] = 200;
    fracEndIn[3] = 300;
    fracShare[1] = 10;
    fracShare[2] = 20;
    fracShare[3] = 40;
    fillCutTables(cutLow, cutHigh, cutDensity, cutDefaultShare);
}

void COilCalc::reportInputError(const char* text) const {
    if (messages_ != nullptr) {
        messages_->inputError(text);
    }
}

void COilCalc::reportFailure(const char* text) const {
    if (messages_ != nullptr) {
        messages_->failure(text);
    }
}

bool COilCalc::refuseState(const char* text) {
    stepFailed = true;
    reportFailure(text);
    return false;
}

bool COilCalc::confirmWarning(const char* text) const {
    return messages_ != nullptr && messages_->warning(text);
}

bool COilCalc::askQuestion(const char* text) const {
    return messages_ != nullptr && messages_->question(text);
}

} // namespace viskora
