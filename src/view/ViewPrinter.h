#pragma once
// CViewPrinter: prints the configuration text as saving writes it, in a fixed-pitch font, 81
// characters wide and centred, under a header with the file name and the page number. The
// view's printing operations hand their work to it.

#include <QFont>
#include <functional>
#include <string>
#include <vector>

#include "doc/PrintLayout.h"

class QPainter;
class QPrinter;

namespace netloom {

class CNetloomDoc;

class CViewPrinter {
  public:
    explicit CViewPrinter(CNetloomDoc& doc) : m_doc(doc) {}
    CViewPrinter(const CViewPrinter&) = delete;
    CViewPrinter& operator=(const CViewPrinter&) = delete;

    // Takes the text and measures the pages for printer; returns the number of pages.
    int BeginPrinting(QPrinter& printer);
    // Draws one page (1-based) of the text taken last.
    void PrintPage(QPainter& painter, int page);
    // Lets the text go.
    void EndPrinting();
    // The whole job: the printer's page range (all pages when it has none) within the pages
    // there are. False when nothing could be printed.
    bool PrintDocument(QPrinter& printer);
    // The header's file name: the document's path and its title.
    void SetNameSource(std::function<std::string()> path, std::function<std::string()> title) {
        m_path = std::move(path);
        m_title = std::move(title);
    }

  private:
    CNetloomDoc& m_doc;
    // Between BeginPrinting and EndPrinting.
    std::string m_text;
    CPrintLayout m_layout;
    std::vector<size_t> m_pageStarts;
    QFont m_font;
    int m_ascent = 0;
    std::function<std::string()> m_path;
    std::function<std::string()> m_title;
};

}  // namespace netloom
