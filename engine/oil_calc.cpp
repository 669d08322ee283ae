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

double COilCalc::convertDensity(double value, int fromCode, int toCode) const {
    return convert(Quantity::Density, value, fromCode, toCode);
}

double COilCalc::convertPressure(double value, int fromCode, int toCode) const {
    return convert(Quantity::Pressure, value, fromCode, toCode);
}

double COilCalc::convertSpecificHeat(double value, int fromCode, int toCode) const {
    return convert(Quantity::SpecificHeat, value, fromCode, toCode);
}

double COilCalc::convertConductivity(double value, int fromCode, int toCode) const {
    return convert(Quantity::Conductivity, value, fromCode, toCode);
}

double COilCalc::convertEnthalpy(double value, int fromCode, int toCode) const {
    return convert(Quantity::Enthalpy, value, fromCode, toCode);
}

double COilCalc::convertViscosity(double value, int fromCode, int toCode) const {
    return convert(Quantity::Viscosity, value, fromCode, toCode);
}

double COilCalc::convertSurfaceTension(double value, int fromCode, int toCode) const {
    return convert(Quantity::SurfaceTension, value, fromCode, toCode);
}

double COilCalc::convertTemperature(double value, int fromCode, int toCode) {
    return convert(Quantity::Temperature, value, fromCode, toCode);
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
