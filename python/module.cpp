// The Python module viskora: the engine, the distillation curves, the
// property curves, the assays and the documents for scripts and notebooks,
// with the calculator's inputs, names and figures.
#include "python/assays.h"
#include "python/calculations.h"
#include "python/curves.h"
#include "python/curves_document.h"
#include "python/distillation.h"
#include "python/errors.h"
#include "python/oil.h"

#include <pybind11/pybind11.h>

PYBIND11_MODULE(viskora, module) {
    module.doc() = R"(Thermophysical properties of crude oil and its products.

The engine of viskora-calc for scripts: an Oil, its basic() figures at
20 °C and atmospheric pressure, its additional() figures at a design state,
curves() over many temperatures or pressures, distillation_curve() fraction
tables, Assay figures and blend()s, and the .vkr, .vkc and .vka documents.
Figures are in base units and named as the calculator's JSON keys in
snake_case. The engine's errors raise InputError, CalculationError or
WarningRefused, all subclasses of viskora.Error.)";
    viskora::python::addErrors(module);
    viskora::python::addOil(module);
    viskora::python::addCalculations(module);
    viskora::python::addCurves(module);
    viskora::python::addDistillation(module);
    viskora::python::addAssays(module);
    viskora::python::addCurvesDocument(module);
}
