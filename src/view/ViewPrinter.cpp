#include "view/ViewPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "doc/NetloomDoc.h"
#include "ui/Latin1.h"

namespace netloom {

int CViewPrinter::BeginPrinting(QPrinter& printer) {
    // A snapshot: edits made while a preview is open show in the next preview or print. The
    // printed text is not the file: the lines the Problems list names stay those of the file.
    {
        const CKeepFileLines keepLines;
        m_text = m_doc.ConfigurationText();
    }

    // Ten points on this device, whatever its resolution.
    const int pixelHeight = std::max(printer.logicalDpiY() * 10 / 72, 1);
    m_font = QFont(QStringLiteral("Courier New"));
    m_font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    m_font.setFixedPitch(true);
    m_font.setPixelSize(pixelHeight);
    m_font.setWeight(QFont::Normal);
    m_font.setKerning(false);

    const QFontMetrics metrics(m_font, &printer);
    const int lineHeight = metrics.height() + std::max(metrics.leading(), 0);
    const int textWidth = metrics.horizontalAdvance(QString::fromLatin1(kPrintRuler));
    m_ascent = metrics.ascent();
    m_layout = ComputePrintLayout(m_text, printer.height(), printer.width(), lineHeight, textWidth);
    m_pageStarts = PageStartOffsets(m_text, m_layout);
    return m_layout.lastPage;
}

void CViewPrinter::PrintPage(QPainter& painter, int page) {
    if (page < 1 || static_cast<size_t>(page) > m_pageStarts.size()) return;
    const CPrintLayout& layout = m_layout;
    painter.save();
    painter.setFont(m_font);
    painter.setPen(QPen(Qt::black, 0));

    // Text is placed by the top of its line, as the layout measures it.
    const std::string path = m_path ? m_path() : std::string();
    const std::string title = m_title ? m_title() : std::string();
    painter.drawText(layout.left, layout.HeaderTop() + m_ascent,
                     QString::fromUtf8(PrintHeaderLine(path, title, page)));
    painter.drawLine(layout.left, layout.RuleY(), layout.left + layout.textWidth, layout.RuleY());

    const auto rows = PageRows(m_text, m_pageStarts[static_cast<size_t>(page) - 1], layout);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!rows[r].empty())
            painter.drawText(layout.left, layout.BodyRowTop(r) + m_ascent, FromBytes(rows[r]));
    }
    painter.restore();
}

void CViewPrinter::EndPrinting() {
    std::string().swap(m_text);
    std::vector<size_t>().swap(m_pageStarts);
    m_font = QFont();
}

bool CViewPrinter::PrintDocument(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int lastPage = BeginPrinting(printer);
    int first = 1;
    int last = lastPage;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(printer.fromPage(), 1);
        last = std::min(printer.toPage() > 0 ? printer.toPage() : lastPage, lastPage);
    }
    bool printed = false;
    for (int page = first; page <= last; ++page) {
        if (printed && !printer.newPage()) break;
        PrintPage(painter, page);
        printed = true;
    }
    EndPrinting();
    return painter.end() && printed;
}

}  // namespace netloom
