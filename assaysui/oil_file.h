#pragma once

#include "assaysui/blend_parts_model.h"

#include <QString>

#include <optional>

namespace viskora {

// An oil for a blend from a file, by its content: an assay (.vka) or a
// calculation (.vkr) with a fraction table. Nothing, with `failure` for the
// user, when the file holds neither.
std::optional<NamedOil> readOilFile(const QString& path, QString& failure);

} // namespace viskora
