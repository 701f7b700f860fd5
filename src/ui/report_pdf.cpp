#include "ui/report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

#include "core/atomic_file.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/cutting_diagram_painter.h"

namespace {

// A diagram on paper: the width of the report's tables, drawn at three times the layout's
// resolution so that it prints sharply.
constexpr int kDiagramWidth = 702;
constexpr int kDiagramHeight = kDiagramBarTop + kDiagramBarHeight + 4;
constexpr int kDiagramResolution = 3;

QString DiagramName(std::size_t index) { return QStringLiteral("kxdiagram:%1").arg(index); }

QImage DiagramImage(const PAPER_REPORT::DIAGRAM& drawing)
{
    QImage image(kDiagramWidth * kDiagramResolution, kDiagramHeight * kDiagramResolution, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(kDiagramResolution, kDiagramResolution);
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(11);
    painter.setFont(font);
    // One pixel on each side for the outline of the bar.
    const int fullWidth = kDiagramWidth - 3;
    PaintCuttingDiagram(painter, drawing.diagram, QRect(1, 0, fullWidth, kDiagramHeight),
                        BarWidthToScale(drawing.diagram.barLength, drawing.scaleLength, fullWidth), Qt::black);
    return image;
}

// A writer of the job report that leaves a reference to an image where the diagram goes.
DiagramWriter DiagramCollector(PAPER_REPORT& report)
{
    return [&report](const CUTTING_DIAGRAM& diagram, Length scaleLength) {
        const QString name = DiagramName(report.diagrams.size());
        report.diagrams.push_back({diagram, scaleLength});
        return QStringLiteral("<img src='%1' width='%2' height='%3'><br>")
            .arg(name)
            .arg(kDiagramWidth)
            .arg(kDiagramHeight)
            .toStdString();
    };
}

constexpr double kFooterHeight = 28;
// The report's tables are 700 pixels wide: pages are laid out this wide and scaled to fit.
constexpr double kLayoutWidth = 720;

// The page text layout ignores "nowrap" and gives tables and columns of a small width
// (0, 10 pixels, 1%) exactly that, where a browser takes it as a least width, breaking their
// words letter by letter: on paper they take what their text needs.
QString ForPaper(QString html)
{
    static const QRegularExpression narrow(QStringLiteral("\\swidth='(?:\\d{1,2}|1%%?)'"));
    html.remove(narrow);
    static const QRegularExpression nowrap(QStringLiteral("(<td[^>]*?)\\snowrap"));
    html.replace(nowrap, QStringLiteral("\\1 style='white-space:nowrap'"));
    return html;
}

// The report laid out on pages of `printable` size, the footer included.
class CReportPages {
public:
    // `printable` in pixels of the device.
    CReportPages(const PAPER_REPORT& report, QSizeF printable)
        : m_scale(std::max(1.0, printable.width()) / kLayoutWidth),
          m_pageSize(kLayoutWidth, std::max(100.0, printable.height() / m_scale - kFooterHeight)),
          m_footer(QString::fromStdString(report.footer))
    {
        for (std::size_t i = 0; i < report.diagrams.size(); ++i) {
            m_document.addResource(QTextDocument::ImageResource, QUrl(DiagramName(i)),
                                   DiagramImage(report.diagrams[i]));
        }
        m_document.setHtml(ForPaper(QString::fromStdString(report.html)));
        m_document.setPageSize(m_pageSize);
        m_count = std::max(1, m_document.pageCount());
    }

    int Count() const { return m_count; }
    // Device pixels per layout pixel.
    double Scale() const { return m_scale; }

    // Page `index` with its origin at the painter's origin.
    void Paint(QPainter& painter, int index) const
    {
        painter.save();
        const QRectF visible(0, index * m_pageSize.height(), m_pageSize.width(), m_pageSize.height());
        painter.translate(0, -visible.top());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.save();
        // In layout pixels: a size in points would follow the resolution of the device.
        QFont footerFont = m_document.defaultFont();
        footerFont.setPixelSize(11);
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footer(0, m_pageSize.height() + 8, m_pageSize.width(), kFooterHeight - 8);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, m_footer);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(LangText(T_PAGE_OF)).arg(index + 1).arg(m_count));
        painter.restore();
    }

private:
    QTextDocument m_document;
    double m_scale;
    QSizeF m_pageSize;
    QString m_footer;
    int m_count = 1;
};

} // namespace

PAPER_REPORT JobReportOnPaper(const CGlobalData& data, const JOB_REPORT_FLAGS& flags, const CuttingPlan& plan)
{
    PAPER_REPORT report;
    report.html = BuildJobReport(data, flags, plan, DiagramCollector(report));
    report.footer = data.GetJobName();
    return report;
}

PAPER_REPORT InventoryReportOnPaper(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags)
{
    PAPER_REPORT report;
    report.html = BuildInventoryReport(inventory, flags);
    report.footer = LangText(T_INVENTORY_REPORT_TITLE);
    return report;
}

void PrintReport(const PAPER_REPORT& report, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return;
    }
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const CReportPages pages(report, page.size());
    for (int index = 0; index < pages.Count(); ++index) {
        if (index > 0) {
            device.newPage();
        }
        painter.save();
        painter.scale(pages.Scale(), pages.Scale());
        pages.Paint(painter, index);
        painter.restore();
    }
    painter.end();
}

QImage ReportPageImage(const PAPER_REPORT& report, const QPageLayout& layout, int index)
{
    const QRect full = layout.fullRectPixels(96);
    const QRect printable = layout.paintRectPixels(96);
    const CReportPages pages(report, printable.size());
    QImage image(full.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(printable.topLeft());
    painter.scale(pages.Scale(), pages.Scale());
    pages.Paint(painter, std::clamp(index, 0, pages.Count() - 1));
    return image;
}

bool WriteReportPdf(const PAPER_REPORT& report, const QPageLayout& layout, const std::string& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(report.footer));
        PrintReport(report, writer);
    }
    const QByteArray& bytes = buffer.data();
    if (bytes.isEmpty()) {
        return false;
    }
    return ReplaceFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
