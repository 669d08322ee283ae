#include "markup_nesting.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <vector>

namespace viskora::testing {
namespace {

const std::set<std::string> kVoidElements{"meta", "br", "hr", "img", "input", "link"};

// The table parts and the only parents each may have; a table part holds
// nothing but the parts whose parent it is.
const std::map<std::string, std::set<std::string>> kPartParents{{"thead", {"table"}},
                                                                {"tbody", {"table"}},
                                                                {"tr", {"table", "thead", "tbody"}},
                                                                {"td", {"tr"}},
                                                                {"th", {"tr"}}};
const std::set<std::string> kPartHolders{"table", "thead", "tbody", "tr"};

std::string nameOf(std::string_view tag) {
    const auto end = std::ranges::find_if(tag, [](unsigned char c) { return !std::isalnum(c); });
    std::string name(tag.begin(), end);
    std::ranges::transform(name, name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

std::string at(std::size_t byte) {
    return " at byte " + std::to_string(byte);
}

} // namespace

std::optional<std::string> markupFault(std::string_view page) {
    struct Open {
        std::string name;
        std::size_t at;
    };
    std::vector<Open> open;
    for (std::size_t lt = page.find('<'); lt != std::string_view::npos; lt = page.find('<', lt)) {
        const bool comment = page.substr(lt, 4) == "<!--";
        const std::size_t end = page.find(comment ? "-->" : ">", lt);
        if (end == std::string_view::npos) {
            return "unfinished tag" + at(lt);
        }
        const std::string_view tag = page.substr(lt + 1, end - lt - 1);
        const std::size_t start = lt;
        lt = end + 1;
        if (comment || tag.starts_with('!')) {
            continue;
        }
        if (tag.starts_with('/')) {
            const std::string name = nameOf(tag.substr(1));
            if (open.empty() || open.back().name != name) {
                return "</" + name + ">" + at(start) +
                       (open.empty()
                            ? " closes nothing"
                            : " closes <" + open.back().name + "> opened" + at(open.back().at));
            }
            open.pop_back();
            continue;
        }
        const std::string name = nameOf(tag);
        const std::string parent = open.empty() ? "" : open.back().name;
        const auto part = kPartParents.find(name);
        if ((part != kPartParents.end() && !part->second.contains(parent)) ||
            (part == kPartParents.end() && kPartHolders.contains(parent))) {
            return "<" + name + "> directly in <" + parent + ">" + at(start);
        }
        if (!kVoidElements.contains(name) && !tag.ends_with('/')) {
            open.push_back({name, start});
        }
    }
    if (!open.empty()) {
        return "<" + open.back().name + "> opened" + at(open.back().at) + " is never closed";
    }
    return std::nullopt;
}

} // namespace viskora::testing
