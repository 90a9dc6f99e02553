#include "core/editor/record_sort.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "core/editor/text_order.h"

namespace vk {

int CompareDates(const SystemTime& a, const SystemTime& b) {
    const auto key = [](const SystemTime& t) {
        return std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, t.milliseconds);
    };
    return key(a) < key(b) ? -1 : key(b) < key(a) ? 1 : 0;
}

bool SortRecords(CRecordList& records, int field, bool descending) {
    if (field < 0 || field >= kFieldCount || records.size() < 2) return false;
    const bool byDate = field == kDateAssigned || field == kDateExpires;
    const CRecordList& list = records;  // read without making the list this copy's own
    const std::size_t n = list.size();
    // The keys are made once: comparing would otherwise convert each text again and again.
    std::vector<std::string> keys(byDate ? 0 : n);
    std::vector<bool> blank(n);
    for (std::size_t i = 0; i < n; ++i) {
        blank[i] = list[i].IsEmpty();
        if (!byDate) keys[i] = NoCaseKey(list[i][field]);
    }
    const auto dateOf = [&](std::size_t i) -> const SystemTime& {
        return field == kDateAssigned ? list[i].dateAssigned : list[i].dateExpires;
    };
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (blank[a] || blank[b]) return !blank[a] && blank[b];
        const int c = byDate ? CompareDates(dateOf(a), dateOf(b)) : keys[a].compare(keys[b]);
        return descending ? c > 0 : c < 0;
    });
    bool changed = false;
    for (std::size_t i = 0; i < n && !changed; ++i) changed = order[i] != i;
    if (!changed) return false;
    std::vector<CRecord>& stored = records.Mutable();
    std::vector<CRecord> sorted;
    sorted.reserve(n);
    for (std::size_t i : order) sorted.push_back(std::move(stored[i]));
    stored.swap(sorted);
    return true;
}

}  // namespace vk
