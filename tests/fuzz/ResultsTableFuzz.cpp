// A results table file ("name|right|wrong|grade" per line): read, ranked into and written back.
#include "FuzzInput.h"

#include <results/ResultsTable.h>

#include <algorithm>

namespace {

// Best first: the readable records, none ranking below the one after it, then the damaged ones
// (kept in their old order, below every readable record).
bool inOrder(const std::vector<results::ResultRecord>& records) {
    const auto damaged =
        std::find_if(records.begin(), records.end(), [](const auto& r) { return r.damaged(); });
    return std::none_of(damaged, records.end(), [](const auto& r) { return !r.damaged(); }) &&
           std::adjacent_find(records.begin(), damaged, results::isWorse) == damaged;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::bytesOf(data, size);
    results::ResultsTable table;
    table.NactiSoubor(fuzz::holdInput(content));
    const std::vector<results::ResultRecord> loaded = table.records();
    FUZZ_CHECK(loaded.size() <= fuzz::maxLines(content));
    for (const results::ResultRecord& r : loaded)
        FUZZ_CHECK(!results::isWorse(r, r));

    // What is written reads back as the same records.
    results::ResultsTable again;
    again.loadText(table.text());
    FUZZ_CHECK(again.records() == loaded);

    // A new result goes in once and no record is lost, whatever order the file was in.
    const results::ResultRecord added{"Fuzz Žiak", "7", "3", "2"};
    table.VlozNovyZaznam(added.name, added.right, added.wrong, added.grade);
    const std::vector<results::ResultRecord>& ranked = table.records();
    std::vector<results::ResultRecord> expected = loaded;
    expected.push_back(added);
    FUZZ_CHECK(std::is_permutation(ranked.begin(), ranked.end(), expected.begin(), expected.end()));

    // Into a ranking in order, it is inserted at its place, the others keeping theirs.
    if (inOrder(loaded)) {
        FUZZ_CHECK(inOrder(ranked));
        const auto at = std::mismatch(loaded.begin(), loaded.end(), ranked.begin()).second;
        FUZZ_CHECK(*at == added);
        FUZZ_CHECK(std::equal(at + 1, ranked.end(), loaded.begin() + (at - ranked.begin())));
    }
    return 0;
}
