// The printed page: page count, header line and the rows each page holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/PrintLayout.h"

namespace netloom {
namespace {

// A page of 7 reserved line heights plus room for `lines` body lines, line height 10.
CPrintLayout Layout(const std::string& text, int lines) {
    return ComputePrintLayout(text, (7 + lines) * 10 + 5, 1000, 10, 810);
}

std::vector<std::string> Rows(const std::string& text, const CPrintLayout& layout, int page) {
    const std::vector<size_t> starts = PageStartOffsets(text, layout);
    std::vector<std::string> rows;
    for (std::string_view row : PageRows(text, starts.at(static_cast<size_t>(page) - 1), layout))
        rows.emplace_back(row);
    return rows;
}

TEST(PrintLayoutTest, PagesAndPlacement) {
    const CPrintLayout layout = Layout("a\r\nb\r\nc\r\nd\r\ne\r\n", 2);
    EXPECT_EQ(layout.linesPerPage, 2u);
    EXPECT_EQ(layout.lastPage, 3);
    EXPECT_EQ(layout.left, 95);  // (1000 - 810) / 2
    EXPECT_EQ(layout.HeaderTop(), 20);
    EXPECT_EQ(layout.RuleY(), 35);
    EXPECT_EQ(layout.BodyRowTop(0), 50);

    EXPECT_EQ(Rows("a\r\nb\r\nc\r\nd\r\ne\r\n", layout, 1), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Rows("a\r\nb\r\nc\r\nd\r\ne\r\n", layout, 3), (std::vector<std::string>{"e"}));

    // An empty text still prints one page, with no body.
    const CPrintLayout empty = Layout("", 2);
    EXPECT_EQ(empty.lastPage, 1);
    EXPECT_TRUE(Rows("", empty, 1).empty());
    // Without any line feed nothing of the body is printed at all.
    EXPECT_TRUE(Rows("no line end", Layout("no line end", 2), 1).empty());
}

TEST(PrintLayoutTest, RowsKeepEmptyLinesAndDropTheLastLineBeyondThePages) {
    // Empty lines and lines of a lone CR take a row each and draw nothing.
    const std::string text = "x\r\n\n\r\ny\n";
    EXPECT_EQ(Rows(text, Layout(text, 10), 1), (std::vector<std::string>{"x", "", "", "y"}));

    // The unterminated last line is not counted: on a page of its own it is not printed...
    const std::string tail = "1\n2\nlast";
    const CPrintLayout two = Layout(tail, 2);
    EXPECT_EQ(two.lastPage, 1);
    EXPECT_EQ(Rows(tail, two, 1), (std::vector<std::string>{"1", "2"}));
    // ...but where it falls on a counted page, it is.
    EXPECT_EQ(Rows(tail, Layout(tail, 3), 1), (std::vector<std::string>{"1", "2", "last"}));
}

TEST(PrintLayoutTest, PageTooShortForABodyLineStillPrintsEveryLine) {
    for (int height : {0, 35, 70, 75}) {
        const CPrintLayout layout = ComputePrintLayout("a\nb\nc\n", height, 100, 10, 81);
        EXPECT_EQ(layout.linesPerPage, 1u) << height;
        EXPECT_EQ(layout.lastPage, 3) << height;
    }
    // A text column wider than the page starts left of the printable area.
    EXPECT_EQ(ComputePrintLayout("", 1000, 100, 10, 301).left, -100);
}

TEST(PrintLayoutTest, HeaderEndsWithThePageNumberAtColumn81) {
    const std::string path68 = "/" + std::string(67, 'p');
    const std::string line = PrintHeaderLine(path68, "title", 1);
    EXPECT_EQ(line.size(), 81u);
    EXPECT_EQ(line.substr(0, 68), path68);
    EXPECT_EQ(line.substr(75), "Page 1");

    // One character more and the title stands in for the path.
    EXPECT_EQ(PrintHeaderLine(path68 + "x", "ka-210x", 12).substr(0, 8), "ka-210x ");
    // A 76-character title leaves no room: no blanks, 82 characters.
    const std::string title76(76, 't');
    EXPECT_EQ(PrintHeaderLine(path68 + "x", title76, 7), title76 + "Page 7");
    // Characters are counted, not bytes: a path of 68 characters in 135 bytes still prints.
    std::string umlauts = "/";
    for (int i = 0; i < 67; ++i)
        umlauts += "\xC3\xA4";
    const std::string wide = PrintHeaderLine(umlauts, "t", 1);
    EXPECT_EQ(wide.substr(0, umlauts.size()), umlauts);
    EXPECT_EQ(wide.size(), umlauts.size() + 13);  // 7 blanks and "Page 1"
}

}  // namespace
}  // namespace netloom
