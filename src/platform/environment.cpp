#include "platform/environment.h"

#include <algorithm>

#include "platform/paths.h"

namespace zudav {
namespace {

const std::pair<std::wstring, std::wstring>* Find(const Environment& variables, const std::wstring& name) {
    const auto it = std::find_if(variables.begin(), variables.end(),
                                 [&](const auto& variable) { return SameNameNoCase(variable.first, name); });
    return it == variables.end() ? nullptr : &*it;
}

}  // namespace

std::vector<EnvironmentChange> EnvironmentChanges(const Environment& current, const Environment& fresh) {
    std::vector<EnvironmentChange> changes;
    for (const auto& [name, value] : current) {
        if (!name.empty() && name.front() != L'=' && Find(fresh, name) == nullptr) {
            changes.push_back({name, std::nullopt});
        }
    }
    for (const auto& [name, value] : fresh) {
        const auto* now = Find(current, name);
        if (!name.empty() && name.front() != L'=' && (now == nullptr || now->second != value)) {
            changes.push_back({name, value});
        }
    }
    return changes;
}

}  // namespace zudav
