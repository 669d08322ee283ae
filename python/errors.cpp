#include "python/errors.h"

namespace py = pybind11;

namespace viskora::python {
namespace {

// The exception classes, made once when the module is imported; they live
// as long as the interpreter.
PyObject* errorClass = nullptr;
PyObject* inputErrorClass = nullptr;
PyObject* calculationErrorClass = nullptr;
PyObject* warningRefusedClass = nullptr;

PyObject* newClass(py::module_& module, const char* name, py::tuple bases, const char* doc) {
    const std::string qualified = std::string("viskora.") + name;
    PyObject* cls = PyErr_NewExceptionWithDoc(qualified.c_str(), doc, bases.ptr(), nullptr);
    if (cls == nullptr) {
        throw py::error_already_set();
    }
    module.add_object(name, py::reinterpret_borrow<py::object>(cls));
    return cls;
}

std::string kindWord(CalcMessage::Kind kind) {
    return kind == CalcMessage::Kind::Question ? "question" : "warning";
}

bool asks(const CalcMessage& message) {
    return message.kind == CalcMessage::Kind::Warning ||
           message.kind == CalcMessage::Kind::Question;
}

[[noreturn]] void raise(PyObject* cls, const std::string& text, const char* kind = nullptr) {
    py::object error = py::reinterpret_borrow<py::object>(cls)(text);
    error.attr("text") = text;
    if (kind != nullptr) {
        error.attr("kind") = kind;
    }
    PyErr_SetObject(cls, error.ptr());
    throw py::error_already_set();
}

} // namespace

bool acceptsWarnings(const std::string& answer) {
    if (answer != "accept" && answer != "refuse") {
        throw py::value_error("warnings must be \"accept\" or \"refuse\", not \"" + answer + "\"");
    }
    return answer == "accept";
}

void addErrors(py::module_& module) {
    errorClass = newClass(module, "Error", py::make_tuple(py::handle(PyExc_Exception)),
                          "The base of every error the engine reports; `text` holds the "
                          "engine's message.");
    inputErrorClass = newClass(module, "InputError",
                               py::make_tuple(py::handle(errorClass), py::handle(PyExc_ValueError)),
                               "The engine cannot calculate these inputs (also a ValueError).");
    calculationErrorClass =
        newClass(module, "CalculationError",
                 py::make_tuple(py::handle(errorClass), py::handle(PyExc_RuntimeError)),
                 "The calculation broke down or gave a result out of range (also a "
                 "RuntimeError).");
    warningRefusedClass =
        newClass(module, "WarningRefused", py::make_tuple(py::handle(calculationErrorClass)),
                 "The engine met a warning or question and warnings=\"refuse\" answered No, as the "
                 "calculator does without --yes; `text` is the warning, `kind` \"warning\" or "
                 "\"question\". Pass warnings=\"accept\" to go on.");

    py::class_<CalculationWarning>(module, "CalculationWarning",
                                   "A warning or question the engine met and the script "
                                   "accepted (warnings=\"accept\").")
        .def_readonly("text", &CalculationWarning::text, "The engine's message.")
        .def_readonly("kind", &CalculationWarning::kind, "\"warning\" or \"question\".")
        .def("__repr__",
             [](const CalculationWarning& w) {
                 return "CalculationWarning(kind=" + std::string(py::repr(py::str(w.kind))) +
                        ", text=" + std::string(py::repr(py::str(w.text))) + ")";
             })
        .def("__str__", [](const CalculationWarning& w) { return w.text; })
        .def("__eq__", [](const CalculationWarning& a, const CalculationWarning& b) {
            return a.text == b.text && a.kind == b.kind;
        });
}

std::vector<CalculationWarning> acceptedWarnings(const std::vector<CalcMessage>& messages) {
    std::vector<CalculationWarning> warnings;
    for (const CalcMessage& message : messages) {
        if (asks(message) && message.accepted) {
            warnings.push_back({message.text, kindWord(message.kind)});
        }
    }
    return warnings;
}

void raiseStopped(const std::vector<CalcMessage>& messages, CalcOutcome outcome) {
    if (messages.empty()) {
        raise(outcome == CalcOutcome::Failed ? calculationErrorClass : inputErrorClass,
              "The calculation stopped without a message.");
    }
    const CalcMessage& last = messages.back();
    if (asks(last) && !last.accepted) {
        const std::string kind = kindWord(last.kind);
        raise(warningRefusedClass, last.text, kind.c_str());
    }
    raise(last.kind == CalcMessage::Kind::Failure ? calculationErrorClass : inputErrorClass,
          last.text);
}

void raiseInputError(const std::string& text) {
    raise(inputErrorClass, text);
}

} // namespace viskora::python
