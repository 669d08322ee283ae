#include "python/dict_of_json.h"

#include "python/number_arguments.h"

namespace py = pybind11;

namespace viskora::python {

py::object pythonOfJson(const nlohmann::json& value) {
    switch (value.type()) {
    case nlohmann::json::value_t::object: {
        py::dict object;
        for (const auto& [key, item] : value.items()) {
            object[py::str(snakeCase(key))] = pythonOfJson(item);
        }
        return object;
    }
    case nlohmann::json::value_t::array: {
        py::list list;
        for (const auto& item : value) {
            list.append(pythonOfJson(item));
        }
        return list;
    }
    case nlohmann::json::value_t::string:
        return py::str(value.get<std::string>());
    case nlohmann::json::value_t::boolean:
        return py::bool_(value.get<bool>());
    case nlohmann::json::value_t::number_integer:
    case nlohmann::json::value_t::number_unsigned:
        return py::int_(value.get<long long>());
    case nlohmann::json::value_t::number_float:
        return py::float_(value.get<double>());
    default:
        return py::none();
    }
}

} // namespace viskora::python
