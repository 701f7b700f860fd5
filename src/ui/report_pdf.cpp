#include "ui/report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

#include "core/atomic_file.h"
#include "core/texts.h"

namespace {

const QMarginsF kPdfMargins(15, 15, 15, 12); // millimetres

QString Attribute(const QString& attributes, const QString& name)
{
    const QRegularExpression pattern(QStringLiteral("(?:^|\\s)") + name + QStringLiteral("='([^']*)'"));
    const QRegularExpressionMatch match = pattern.match(attributes);
    return match.hasMatch() ? match.captured(1) : QString();
}

double Number(const QString& attributes, const QString& name) { return Attribute(attributes, name).toDouble(); }

QString PlainText(QString text)
{
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// Draws one of the report's own diagram drawings: its rectangles and texts, which is all
// the report puts in them. The text layout of a page cannot show inline SVG itself.
QImage DiagramImage(const QString& body, int width, int height)
{
    constexpr int kScale = 3;
    QImage image(width * kScale, height * kScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(kScale, kScale);
    static const QRegularExpression element(QStringLiteral("<(rect|text)\\s([^>]*?)/?>(?:([^<]*)</text>)?"));
    for (auto it = element.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString attributes = match.captured(2);
        if (match.captured(1) == QLatin1String("rect")) {
            const QRectF rect(Number(attributes, "x"), Number(attributes, "y"), Number(attributes, "width"),
                              Number(attributes, "height"));
            const QString fill = Attribute(attributes, "fill");
            if (fill.startsWith(QLatin1String("url("))) {
                painter.fillRect(rect, QColor(0xC8, 0xC8, 0xC8));
                painter.fillRect(rect, QBrush(QColor(0x88, 0x88, 0x88), Qt::BDiagPattern));
            } else if (!fill.isEmpty() && fill != QLatin1String("none")) {
                painter.fillRect(rect, QColor(fill));
            }
            const QString stroke = Attribute(attributes, "stroke");
            if (!stroke.isEmpty()) {
                painter.setPen(QPen(QColor(stroke), std::max(0.3, Number(attributes, "stroke-width"))));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect);
            }
        } else {
            QFont font(QStringLiteral("sans-serif"));
            font.setPixelSize(std::max(1, static_cast<int>(Number(attributes, "font-size"))));
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QString text = PlainText(match.captured(3));
            const QPointF at(Number(attributes, "x"), Number(attributes, "y"));
            if (Attribute(attributes, "text-anchor") == QLatin1String("middle")) {
                const double textWidth = Number(attributes, "textLength");
                const QRectF box(at.x() - textWidth / 2 - 40, at.y() - font.pixelSize(), textWidth + 80,
                                 font.pixelSize() * 1.4);
                painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
            } else {
                painter.drawText(at, text);
            }
        }
    }
    painter.end();
    return image;
}

// The page with each inline drawing replaced by an image resource of `document`.
QString WithDiagramImages(const QString& html, QTextDocument& document)
{
    static const QRegularExpression svg(QStringLiteral("<svg\\s[^>]*?width='(\\d+)' height='(\\d+)'>(.*?)</svg>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression defs(QStringLiteral("<defs>.*?</defs>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype last = 0;
    int count = 0;
    for (auto it = svg.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(html).mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        const int width = std::clamp(match.captured(1).toInt(), 1, 4000);
        const int height = std::clamp(match.captured(2).toInt(), 1, 4000);
        QString body = match.captured(3);
        body.remove(defs);
        const QUrl name(QStringLiteral("kxdiagram:%1").arg(count++));
        document.addResource(QTextDocument::ImageResource, name, DiagramImage(body, width, height));
        out += QStringLiteral("<img src='%1' width='%2' height='%3'>").arg(name.toString()).arg(width).arg(height);
    }
    out += QStringView(html).mid(last);
    return out;
}

} // namespace

namespace {

constexpr double kFooterHeight = 28;
// The report's tables are 700 pixels wide: pages are laid out this wide and scaled to fit.
constexpr double kLayoutWidth = 720;

// The page text layout ignores "nowrap" and gives columns of width 0 or 1% exactly that,
// breaking their words letter by letter: on paper the columns take what their text needs.
QString ForPaper(QString html)
{
    static const QRegularExpression narrow(QStringLiteral("\\swidth='(?:0|1%%?)'"));
    html.remove(narrow);
    static const QRegularExpression nowrap(QStringLiteral("(<td[^>]*?)\\snowrap"));
    html.replace(nowrap, QStringLiteral("\\1 style='white-space:nowrap'"));
    return html;
}

// The report laid out on pages of `printable` size (in pixels at 96 per inch), the footer
// included.
class CReportPages {
public:
    // `printable` in pixels of the device.
    CReportPages(const std::string& html, const std::string& jobName, QSizeF printable)
        : m_scale(std::max(1.0, printable.width()) / kLayoutWidth),
          m_pageSize(kLayoutWidth, std::max(100.0, printable.height() / m_scale - kFooterHeight)),
          m_job(QString::fromStdString(jobName))
    {
        m_document.setHtml(WithDiagramImages(ForPaper(QString::fromStdString(html)), m_document));
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
        QFont footerFont = m_document.defaultFont();
        footerFont.setPointSizeF(8);
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footer(0, m_pageSize.height() + 8, m_pageSize.width(), kFooterHeight - 8);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, m_job);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(LangText(T_PAGE_OF)).arg(index + 1).arg(m_count));
        painter.restore();
    }

private:
    QTextDocument m_document;
    double m_scale;
    QSizeF m_pageSize;
    QString m_job;
    int m_count = 1;
};

} // namespace

void PrintReport(const std::string& html, const std::string& jobName, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return;
    }
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const CReportPages pages(html, jobName, page.size());
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

QImage ReportPageImage(const std::string& html, const std::string& jobName, int index)
{
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPdfMargins, QPageLayout::Millimeter);
    const QRect full = layout.fullRectPixels(96);
    const QRect printable = layout.paintRectPixels(96);
    const CReportPages pages(html, jobName, printable.size());
    QImage image(full.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(printable.topLeft());
    painter.scale(pages.Scale(), pages.Scale());
    pages.Paint(painter, std::clamp(index, 0, pages.Count() - 1));
    return image;
}

bool WriteReportPdf(const std::string& html, const std::string& jobName, const std::string& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPdfMargins, QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(jobName));
        PrintReport(html, jobName, writer);
    }
    const QByteArray& bytes = buffer.data();
    if (bytes.isEmpty()) {
        return false;
    }
    return ReplaceFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
