// Printing through File > Print, direct print and Print Preview, into PDF files that are read
// back as text: the pages hold the saved configuration text under a header with the file name
// and the page number.

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "doc/CommandIds.h"
#include "doc/NetloomDoc.h"
#include "gui/GuiTestSupport.h"
#include "ui/Latin1.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

class PrintTest : public NetloomTest {
  protected:
    void SetUp() override {
        NetloomTest::SetUp();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        m_pdf = TempPath("printed.pdf");
        m_printDialog = [this](QWidget*, QPrinter& printer, int lastPage) {
            m_offeredPages = lastPage;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_pdf);
            if (m_fromPage > 0) {
                printer.setPrintRange(QPrinter::PageRange);
                printer.setFromTo(m_fromPage, m_toPage);
            }
            return m_accept;
        };
    }
    // The PDF's pages as text, one string per page.
    QStringList PrintedPages() {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", m_pdf, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
        return pages;
    }
    static QStringList Lines(const QString& page) {
        QStringList lines;
        for (const QString& line : page.split('\n')) {
            const QString trimmed = line.trimmed();
            if (!trimmed.isEmpty()) lines << trimmed.simplified();
        }
        return lines;
    }
    // The configuration's lines as they should come out of the printed pages.
    QStringList TextLines() { return Lines(FromBytes(Doc().ConfigurationText())); }

    QString m_pdf;
    bool m_accept = true;
    int m_fromPage = 0;
    int m_toPage = 0;
    int m_offeredPages = 0;
};

TEST_F(PrintTest, PagesHoldTheSavedTextUnderAHeader) {
    const QString path = CopyExample();
    ASSERT_TRUE(Start({path}));
    Trigger(ID_FILE_PRINT);
    ASSERT_TRUE(QFile::exists(m_pdf));
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();

    const QStringList pages = PrintedPages();
    ASSERT_GE(pages.size(), 3) << "179 lines do not fit on two pages";
    EXPECT_EQ(pages.size(), m_offeredPages) << "the dialog offered the pages printed";
    QStringList body;
    for (int p = 0; p < pages.size(); ++p) {
        QStringList lines = Lines(pages[p]);
        ASSERT_FALSE(lines.isEmpty());
        // The path, blanks, and the page number at the right end of the text column.
        EXPECT_TRUE(lines[0].startsWith(path)) << lines[0].toStdString();
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Page %1").arg(p + 1)));
        lines.removeFirst();
        body << lines;
    }
    EXPECT_EQ(body, TextLines());
}

TEST_F(PrintTest, PageRangeDirectPrintAndCancel) {
    ASSERT_TRUE(Start({CopyExample()}));
    m_fromPage = m_toPage = 2;
    Trigger(ID_FILE_PRINT);
    QStringList pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(Lines(pages[0]).at(0).endsWith("Page 2"));

    // Cancelled: nothing printed.
    QFile::remove(m_pdf);
    m_accept = false;
    m_fromPage = 0;
    Trigger(ID_FILE_PRINT);
    EXPECT_FALSE(QFile::exists(m_pdf));

    // Direct print uses the printer as it was set up, without asking, and prints every page.
    App().Printer().setOutputFormat(QPrinter::PdfFormat);
    App().Printer().setOutputFileName(m_pdf);
    EXPECT_TRUE(App().Commands().Execute(ID_FILE_PRINT_DIRECT));
    EXPECT_EQ(PrintedPages().size(), m_offeredPages);

    // A file that cannot be written is reported, not taken for printed.
    App().Printer().setOutputFileName(TempPath("no/such/folder/out.pdf"));
    App().Commands().Execute(ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages().at(0).startsWith("The configuration could not be printed"));
}

TEST_F(PrintTest, LongPathGivesWayToTheTitleAndAnEmptyConfigurationPrintsOnePage) {
    QString folder = TempPath(QString(70, 'd'));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/long.cfg";
    ASSERT_TRUE(QFile::copy(CopyExample(), path));
    ASSERT_TRUE(Start({path}));
    Trigger(ID_FILE_PRINT);
    const QString header = Lines(PrintedPages().at(0)).at(0);
    EXPECT_TRUE(header.startsWith("long.cfg ")) << header.toStdString();

    // An empty configuration: the header and the rule only. Never saved, it has no path to name.
    m_editor.model = 0;
    Trigger(ID_FILE_NEW);
    ASSERT_EQ(Doc().Cfgfile().Adapters.size(), 0u);
    Trigger(ID_FILE_PRINT);
    const QStringList pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(Lines(pages[0]), QStringList{"Page 1"});
}

TEST_F(PrintTest, PreviewShowsTheSamePagesAsPrint) {
    ASSERT_TRUE(Start({CopyExample()}));
    Trigger(ID_FILE_PRINT);
    const int printed = static_cast<int>(PrintedPages().size());
    int previewed = -1;
    WhileModal([this] { Trigger(ID_FILE_PRINT_PREVIEW); },
               [&previewed](QWidget* modal) {
                   auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
                   ASSERT_NE(preview, nullptr);
                   if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
                       previewed = widget->pageCount();
                   preview->reject();
               });
    EXPECT_EQ(previewed, printed);
}

}  // namespace
}  // namespace netloom::test
