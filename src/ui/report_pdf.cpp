#include "ui/report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>

#include "core/atomic_file.h"
#include "core/texts.h"

void PrintReport(const std::string& html, const std::string& jobName, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return;
    }
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // The text is laid out at 96 pixels per inch and scaled to the device, so that the
    // report keeps the proportions it has on screen.
    const double scale = device.logicalDpiX() / 96.0;
    const double footerHeight = 28;
    const QSizeF pageSize(page.width() / scale, page.height() / scale - footerHeight);

    QTextDocument document;
    document.setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    document.setPageSize(pageSize);
    const int pageCount = std::max(1, document.pageCount());
    QFont footerFont = document.defaultFont();
    footerFont.setPointSizeF(8);
    const QString job = QString::fromLatin1(jobName.data(), static_cast<qsizetype>(jobName.size()));
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0) {
            device.newPage();
        }
        painter.save();
        painter.scale(scale, scale);
        const QRectF visible(0, index * pageSize.height(), pageSize.width(), pageSize.height());
        painter.translate(0, -visible.top());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.save();
        painter.scale(scale, scale);
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footer(0, pageSize.height() + 8, pageSize.width(), footerHeight - 8);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, job);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(LangText(T_PAGE_OF)).arg(index + 1).arg(pageCount));
        painter.restore();
    }
    painter.end();
}

bool WriteReportPdf(const std::string& html, const std::string& jobName, const std::string& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(QString::fromLatin1(jobName.data(), static_cast<qsizetype>(jobName.size())));
        PrintReport(html, jobName, writer);
    }
    const QByteArray& bytes = buffer.data();
    if (bytes.isEmpty()) {
        return false;
    }
    return ReplaceFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
