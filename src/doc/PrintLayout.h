#pragma once
// The printed page: how many configuration lines fit on a page, how many pages the text takes,
// where the 81-character text column sits, the header line, and which text lines each page
// holds. Pure arithmetic on device units and text, so the toolkit's printer only draws.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netloom {

// The printed text column is this many fixed-pitch characters wide; the ruler only measures it.
constexpr int kPrintColumns = 81;
extern const char* const kPrintRuler;
// A path longer than this is replaced by the document's title in the header.
constexpr size_t kPrintMaxHeaderPath = 68;

struct CPrintLayout {
    int lineHeight = 1;       // LH
    int textWidth = 0;        // W
    int left = 0;             // X
    size_t linesPerPage = 1;  // L
    int lastPage = 1;         // the job's maximum page
    size_t newlines = 0;      // N

    // The top of row r of the body, and of the header and its rule.
    int HeaderTop() const { return 2 * lineHeight; }
    int RuleY() const { return 2 * lineHeight + (3 * lineHeight) / 2; }
    int BodyRowTop(size_t row) const;
};

// Seven line heights of every page are kept for the header, the rule and the margins; the rest
// holds body lines. A page with room for fewer than one body line still gets one, so that the
// page count stays finite and every line is printed.
CPrintLayout ComputePrintLayout(std::string_view text, int pageHeight, int pageWidth,
                                int lineHeight, int textWidth);

size_t CountLineFeeds(std::string_view text);

// name: the document's full path (UTF-8); title: its title. Lengths count characters.
std::string PrintHeaderLine(const std::string& path, const std::string& title, int page);

// Where each page's body starts in the text: one pass over the text for the whole job instead
// of skipping all earlier lines again for every page.
std::vector<size_t> PageStartOffsets(std::string_view text, const CPrintLayout& layout);

// The rows of one page, each without its line end (empty rows included), starting at offset.
std::vector<std::string_view> PageRows(std::string_view text, size_t offset,
                                       const CPrintLayout& layout);

}  // namespace netloom
