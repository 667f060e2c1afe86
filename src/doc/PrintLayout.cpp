#include "doc/PrintLayout.h"

#include <algorithm>
#include <climits>

namespace netloom {

const char* const kPrintRuler =
    "---------1---------2---------3---------4---------5---------6---------7---------8-";

namespace {

// Characters of a UTF-8 text: every byte that does not continue a sequence.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

int CPrintLayout::BodyRowTop(size_t row) const {
    const long long top = (static_cast<long long>(row) + 5) * lineHeight;
    return top > INT_MAX ? INT_MAX : static_cast<int>(top);
}

size_t CountLineFeeds(std::string_view text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

CPrintLayout ComputePrintLayout(std::string_view text, int pageHeight, int pageWidth,
                                int lineHeight, int textWidth) {
    CPrintLayout layout;
    layout.lineHeight = std::max(lineHeight, 1);
    layout.textWidth = std::max(textWidth, 0);
    layout.newlines = CountLineFeeds(text);
    const long long reserved = 7LL * layout.lineHeight;
    const long long room = static_cast<long long>(pageHeight) - reserved;
    layout.linesPerPage =
        room >= layout.lineHeight ? static_cast<size_t>(room / layout.lineHeight) : size_t{1};
    const size_t pages = (layout.newlines + layout.linesPerPage - 1) / layout.linesPerPage;
    layout.lastPage = pages < 1 ? 1 : pages > INT_MAX ? INT_MAX : static_cast<int>(pages);
    layout.left = static_cast<int>((static_cast<long long>(pageWidth) - layout.textWidth) / 2);
    return layout;
}

std::string PrintHeaderLine(const std::string& path, const std::string& title, int page) {
    std::string name = CharacterCount(path) > kPrintMaxHeaderPath ? title : path;
    const std::string pageText = "Page " + std::to_string(page);
    const long long blanks = static_cast<long long>(kPrintColumns) -
                             static_cast<long long>(CharacterCount(name)) -
                             static_cast<long long>(pageText.size());
    if (blanks > 0) name.append(static_cast<size_t>(blanks), ' ');
    return name + pageText;
}

std::vector<size_t> PageStartOffsets(std::string_view text, const CPrintLayout& layout) {
    std::vector<size_t> starts;
    starts.reserve(static_cast<size_t>(layout.lastPage));
    starts.push_back(0);
    size_t linesOnPage = 0;
    for (size_t i = 0; i < text.size() && starts.size() < static_cast<size_t>(layout.lastPage);
         ++i) {
        if (text[i] != '\n') continue;
        if (++linesOnPage == layout.linesPerPage) {
            starts.push_back(i + 1);
            linesOnPage = 0;
        }
    }
    // Pages past the text's last line feed start at its end and print no body.
    starts.resize(static_cast<size_t>(layout.lastPage), text.size());
    return starts;
}

std::vector<std::string_view> PageRows(std::string_view text, size_t offset,
                                       const CPrintLayout& layout) {
    std::vector<std::string_view> rows;
    if (layout.newlines == 0) return rows;
    size_t pos = std::min(offset, text.size());
    while (rows.size() < layout.linesPerPage && pos < text.size()) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        rows.push_back(line);
        pos = end == text.size() ? end : end + 1;
    }
    return rows;
}

}  // namespace netloom
