#include "documents/unit_name_lists.h"

#include <cstddef>

namespace viskora {

CUnitNameLists::CUnitNameLists() {
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        for (std::string_view name : unitNames(quantity)) {
            lists_[static_cast<std::size_t>(q)].emplace_back(name);
        }
    }
}

const std::vector<std::string>& CUnitNameLists::names(Quantity quantity) const {
    return lists_[static_cast<std::size_t>(quantity)];
}

std::string CUnitNameLists::nameAt(Quantity quantity, int unitIndex) const {
    const std::vector<std::string>& list = names(quantity);
    if (unitIndex < 0 || static_cast<std::size_t>(unitIndex) >= list.size()) {
        return list[static_cast<std::size_t>(baseUnitCode(quantity))];
    }
    return list[static_cast<std::size_t>(unitIndex)];
}

} // namespace viskora
