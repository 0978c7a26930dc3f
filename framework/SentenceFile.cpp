#include "framework/SentenceFile.h"

#include <platform/encoding.h>
#include <platform/errors.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace framework {

namespace {

bool isPunctuation(char c) {
    return c == '.' || c == '!' || c == '?';
}

// The state of one line being scanned.
class LineScan {
public:
    LineScan(const SentenceFormat& format, std::vector<bool>& pending, Sentence& sentence)
        : format_(format), pending_(pending), sentence_(sentence) {}

    LineReport run(std::string_view line) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            const char next = i + 1 < line.size() ? line[i + 1] : '\0';
            if (const Mode* mode = find(format_.modes, c)) {
                modes_ = (modes_ & ~mode->off) | mode->on;
                if (mode->on & kToCandidate) ++candidate_;
            } else if (modes_ && format_.modeTakesEverything) {
                store(c);
            } else if (const Separator* sep = find(format_.separators, c)) {
                if (sep->keep == Separator::Keep::Before) store(c);
                ++slot_;
                if (sep->keep == Separator::Keep::After) store(c);
            } else if (const Mark* mark = find(format_.marks, c)) {
                if (mark->advances) ++slot_;
                if (mark->pending)
                    pending_[static_cast<std::size_t>(mark - format_.marks.data())] = true;
                else
                    setCode(mark->code);
            } else if (isPunctuation(c) && format_.punctuation != Punctuation::Stored) {
                punctuation(c, next);
            } else {
                store(c);
            }
        }
        report_.markCarried = std::find(pending_.begin(), pending_.end(), true) != pending_.end();
        return report_;
    }

private:
    template <typename T> static const T* find(const std::vector<T>& items, char c) {
        auto it = std::find_if(items.begin(), items.end(), [c](const T& item) { return item.c == c; });
        return it == items.end() ? nullptr : &*it;
    }

    void punctuation(char c, char next) {
        const bool ownWord = format_.punctuation == Punctuation::WordBeforeAtDropped ||
                             format_.punctuation == Punctuation::WordBeforeAtKept;
        if (ownWord && next == '@') {
            ++slot_;
            appendToSlot(slot_, c);
        } else if (format_.fullStopBeforeSpaceKept && c == '.' && next == ' ') {
            appendToSlot(slot_, c);
        } else if (format_.punctuation != Punctuation::WordBeforeAtDropped) {
            appendToSlot(slot_, c);
        }
    }

    // A character that is neither separator, mark, mode nor handled punctuation.
    void store(char c) {
        if (!modes_) {
            appendToSlot(slot_, c);
            applyPendingMark();
            return;
        }
        if (format_.markInMode == MarkInMode::StoreInSlot && applyPendingMark()) {
            appendToSlot(slot_, c);
            return;
        }
        if (modes_ & kToRemark1) appendTo(1, &PPravidla::remark, c);
        if (modes_ & kToRemark2) appendTo(2, &PPravidla::remark, c);
        if (modes_ & kToSubject) appendTo(1, &PPravidla::subject, c);
        if (modes_ & kToCandidate) appendTo(candidate_, &PPravidla::remark, c);
        if (format_.markInMode == MarkInMode::Apply) applyPendingMark();
    }

    // Applies the first pending mark to the current slot; false when none is pending.
    bool applyPendingMark() {
        for (std::size_t m = 0; m < pending_.size(); ++m) {
            if (!pending_[m]) continue;
            pending_[m] = false;
            if (format_.marks[m].code != 0) setCode(format_.marks[m].code);
            return true;
        }
        return false;
    }

    PPravidla* slotAt(int k) {
        if (k < 1 || k > static_cast<int>(sentence_.size())) {
            report_.overflow = true;
            return nullptr;
        }
        return &sentence_[static_cast<std::size_t>(k - 1)];
    }

    void setCode(std::int32_t code) {
        if (PPravidla* p = slotAt(slot_)) p->code = code;
    }
    void appendToSlot(int k, char c) { appendTo(k, &PPravidla::text, c); }
    void appendTo(int k, std::string PPravidla::*field, char c) {
        if (PPravidla* p = slotAt(k)) (p->*field).push_back(c);
    }

    const SentenceFormat& format_;
    std::vector<bool>& pending_;
    Sentence& sentence_;
    LineReport report_;
    int slot_ = 1;
    unsigned modes_ = 0;
    int candidate_ = 0;
};

} // namespace

LineReport SentenceScanner::scanLine(std::string_view line, Sentence& sentence) {
    LineReport report = LineScan(format_, pending_, sentence).run(line);
    if (format_.finishLine) format_.finishLine(sentence);
    return report;
}

std::string reduceLine(std::string_view stored) {
    std::string reduced;
    reduced.reserve(stored.size() / 4);
    for (std::size_t i = 3; i < stored.size(); i += 4)
        reduced.push_back(stored[i]);
    return reduced;
}

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        content = end == std::string_view::npos ? std::string_view{} : content.substr(end + 1);
    }
    return lines;
}

std::string readFileBytes(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw platform::FileError(path, "cannot read a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::FileError(path, std::string("cannot open file (") + std::strerror(errno) + ")");
    std::ostringstream content;
    content << in.rdbuf();
    // An empty file leaves failbit on the stream; only a failed read of a real file sets badbit.
    if (in.bad() || content.bad()) throw platform::FileError(path, "cannot read file");
    return content.str();
}

std::vector<std::string> readStoredLines(const std::string& path) {
    std::vector<std::string> lines = splitLines(readFileBytes(path));
    for (std::string& line : lines)
        line = platform::cp1250ToUtf8(reduceLine(line));
    return lines;
}

SentenceTable scanSentences(const SentenceFormat& format, const std::vector<std::string>& lines) {
    SentenceTable table;
    table.sentences.assign(kMaxSentences, Sentence(static_cast<std::size_t>(format.slots)));
    SentenceScanner scanner(format);
    table.count = static_cast<int>(std::min<std::size_t>(lines.size(), kMaxSentences));
    for (int n = 0; n < table.count; ++n)
        scanner.scanLine(lines[static_cast<std::size_t>(n)], table.sentences[static_cast<std::size_t>(n)]);
    return table;
}

SentenceTable readSentenceFile(const SentenceFormat& format, const std::string& path) {
    return scanSentences(format, readStoredLines(path));
}

} // namespace framework
