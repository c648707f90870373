#pragma once
// A register page as the registry saves it, for tests: the shareholder table with one
// six-line row per holder, between the table's last column heading and the "back" link.

#include <string>
#include <utility>
#include <vector>

namespace test {

inline std::string registerPage(const std::vector<std::pair<std::string, int>>& holders) {
    std::string out = "<th>% od ukupne emisije</th>\n</tr>\n";
    int ord = 0;
    for (const auto& [name, count] : holders) {
        out += "<tr>\n<td>" + std::to_string(++ord) + ".</td>\n<td>" + name + "</td>\n<td>" +
               std::to_string(count) + "</td>\n<td>0,1</td>\n</tr>\n";
    }
    return out + "<a>[Povratak</a>\n";
}

}  // namespace test
