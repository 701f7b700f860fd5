#include "ui/report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <algorithm>

#include "core/atomic_file.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/cutting_diagram_painter.h"

namespace {

// A diagram on paper is as wide as the report's tables.
constexpr int kDiagramWidth = 702;
constexpr int kDiagramHeight = kDiagramBarTop + kDiagramBarHeight + 4;
constexpr int kDiagramObject = QTextFormat::UserObject + 1;
constexpr int kDiagramIndex = QTextFormat::UserProperty + 1;
const QLatin1String kDiagramScheme("kxdiagram:");

QString DiagramName(std::size_t index) { return kDiagramScheme + QString::number(index); }

// Draws the diagrams of the report where the page has them, with the painter of the page,
// so that they come out as lines and text on paper and cost no image memory.
class CDiagramObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit CDiagramObjects(const std::vector<PAPER_REPORT::DIAGRAM>& diagrams) : m_diagrams(diagrams) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override
    {
        return QSizeF(kDiagramWidth, kDiagramHeight);
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        const qsizetype index = format.property(kDiagramIndex).toLongLong();
        if (index < 0 || index >= static_cast<qsizetype>(m_diagrams.size())) {
            return;
        }
        const PAPER_REPORT::DIAGRAM& drawing = m_diagrams[static_cast<std::size_t>(index)];
        painter->save();
        painter->translate(rect.topLeft());
        QFont font(QStringLiteral("sans-serif"));
        font.setPixelSize(11);
        painter->setFont(font);
        // One pixel on each side for the outline of the bar.
        const int fullWidth = kDiagramWidth - 3;
        PaintCuttingDiagram(*painter, drawing.diagram, QRect(1, 0, fullWidth, kDiagramHeight),
                            BarWidthToScale(drawing.diagram.barLength, drawing.scaleLength, fullWidth), Qt::black);
        painter->restore();
    }

    // Turns the page's references to the diagrams into objects this handler draws.
    void Attach(QTextDocument& document)
    {
        document.documentLayout()->registerHandler(kDiagramObject, this);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QTextImageFormat image = fragment.charFormat().toImageFormat();
                if (!image.isValid() || !image.name().startsWith(kDiagramScheme)) {
                    continue;
                }
                QTextCharFormat object;
                object.setObjectType(kDiagramObject);
                object.setProperty(kDiagramIndex, image.name().mid(kDiagramScheme.size()).toLongLong());
                QTextCursor cursor(&document);
                cursor.setPosition(fragment.position());
                cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                cursor.setCharFormat(object);
            }
        }
    }

private:
    const std::vector<PAPER_REPORT::DIAGRAM>& m_diagrams;
};

// A writer of the job report that leaves a reference to the diagram where it goes.
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
          m_footer(QString::fromStdString(report.footer)),
          m_diagrams(report.diagrams)
    {
        m_document.setHtml(ForPaper(QString::fromStdString(report.html)));
        m_diagrams.Attach(m_document);
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
    double m_scale;
    QSizeF m_pageSize;
    QString m_footer;
    // Before the document, which uses it until it is gone.
    CDiagramObjects m_diagrams;
    QTextDocument m_document;
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

#include "report_pdf.moc"
