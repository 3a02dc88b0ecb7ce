#include "lookup/home_page_lookup.h"

#include <algorithm>

#include "text/text.h"

namespace zentavo {
namespace {

using home_page_table::kRows;

static_assert(std::size(kRows) == 43);

constexpr std::string_view host_of(std::string_view address) {
    constexpr std::string_view scheme = "http://";
    address.remove_prefix(scheme.size());
    return text::first_bytes(address, address.find('/'));
}

constexpr bool well_formed(std::string_view address) {
    return address.starts_with("http://") && !host_of(address).empty() &&
           std::all_of(address.begin(), address.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

// The editions share a host in exactly these rows; elsewhere each edition has its own.
constexpr bool hosts_as_designed() {
    constexpr std::string_view shared[] = {"INTEL", "SEAGATE", "HIS", "WDC", "KINGSTON",
                                           "CORSAIR", "KINGBOX", "KINGXCON", "KINTELL", "SAPPHIRE"};
    for (const HomePageRow& row : kRows) {
        if (row.chinese_edition != HomePageRow::Chinese::OwnAddress) continue;
        const bool same = host_of(row.chinese) == host_of(row.international);
        if (same != (std::find(std::begin(shared), std::end(shared), row.key) != std::end(shared))) return false;
    }
    return true;
}
static_assert(hosts_as_designed());

constexpr bool rows_well_formed() {
    for (const HomePageRow& row : kRows) {
        if (!well_formed(row.international)) return false;
        if (row.chinese_edition != HomePageRow::Chinese::MakerText && !well_formed(row.chinese)) return false;
        if (!std::all_of(row.key.begin(), row.key.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return false;
    }
    return true;
}
static_assert(rows_well_formed(), "keys in capitals, addresses absolute http:// ASCII");

}  // namespace

std::optional<std::string_view> find_home_page(std::string_view key, Language language) {
    const text::AsciiUppered upper(key);
    for (const HomePageRow& row : kRows) {
        if (!upper.equals(row.key)) continue;
        if (language == Language::English) return row.international;
        if (row.chinese_edition == HomePageRow::Chinese::MakerText) return std::nullopt;
        return row.chinese;
    }
    return std::nullopt;
}

}  // namespace zentavo
