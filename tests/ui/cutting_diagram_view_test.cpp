// The cutting-diagram view: the boxes and labels of a fixed plan, the rows a paint draws,
// and the window filling its width.
#include <QFile>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "core/language.h"
#include "core/settings.h"
#include "ui/cutting_diagram_view.h"
#include "ui/paper_setup.h"
#include "ui/report_pdf.h"
#include "ui_fixture.h"

namespace {

// 1000 long, 2 bars: piece 300 "A", cut 5, piece 200, cut 5, 490 left.
CUTTING_DIAGRAM Diagram(DiagramPartKind leftover)
{
    CUTTING_DIAGRAM diagram;
    diagram.barLength = 1000;
    diagram.barCount = 2;
    diagram.wastePercent = leftover == DiagramPartKind::Waste ? 50 : 1;
    diagram.parts = {{DiagramPartKind::Piece, 0, 300, "A"},
                     {DiagramPartKind::SawCut, 300, 5, ""},
                     {DiagramPartKind::Piece, 305, 200, ""},
                     {DiagramPartKind::SawCut, 505, 5, ""},
                     {leftover, 510, 490, ""}};
    return diagram;
}

std::vector<DIAGRAM_SECTION> ManySections(int diagrams)
{
    std::vector<DIAGRAM_SECTION> sections(2);
    sections[0].heading = "first";
    sections[1].heading = "second";
    for (int i = 0; i < diagrams; ++i) {
        sections[i % 2].diagrams.push_back(Diagram(i % 3 == 0 ? DiagramPartKind::Waste
                                                                : DiagramPartKind::ReusableLeftover));
    }
    return sections;
}

} // namespace

class CCuttingDiagramViewTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<CUiFixture>();
        LengthUnit = 0;
        Precision = 1;
    }
    void cleanup() { m_fixture.reset(); }

    void boxesAreToScaleWithLabelsAndVisibleCuts()
    {
        const std::vector<DIAGRAM_BOX> boxes = DiagramBoxes(Diagram(DiagramPartKind::ReusableLeftover), 100);
        QCOMPARE(boxes.size(), std::size_t{5});
        struct EXPECTED {
            DiagramPartKind kind;
            int x;
            int width;
            const char* label;
        };
        const EXPECTED expected[5] = {{DiagramPartKind::Piece, 0, 30, "300.0 A"},
                                      {DiagramPartKind::SawCut, 30, 1, ""},
                                      {DiagramPartKind::Piece, 31, 20, "200.0"},
                                      {DiagramPartKind::SawCut, 51, 1, ""},
                                      {DiagramPartKind::ReusableLeftover, 51, 49, ""}};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(boxes[i].kind, expected[i].kind);
            QCOMPARE(boxes[i].x, expected[i].x);
            QCOMPARE(boxes[i].width, expected[i].width);
            QCOMPARE(boxes[i].label, QString(expected[i].label));
        }
        // The boxes end at the end of the bar, also when it is drawn wide.
        const std::vector<DIAGRAM_BOX> wide = DiagramBoxes(Diagram(DiagramPartKind::Waste), 1000);
        QCOMPARE(wide[1].width, 5);
        QCOMPARE(wide.back().kind, DiagramPartKind::Waste);
        QCOMPARE(wide.back().x + wide.back().width, 1000);
        // A bar without length draws nothing past its start instead of dividing by zero.
        CUTTING_DIAGRAM empty = Diagram(DiagramPartKind::Waste);
        empty.barLength = 0;
        for (const DIAGRAM_BOX& box : DiagramBoxes(empty, 100)) {
            QVERIFY(box.x >= 0 && box.x + box.width <= 1);
        }
    }

    void captionsInBothLanguages()
    {
        QCOMPARE(DiagramCaption(Diagram(DiagramPartKind::Waste)), QString("x 2    1000.0    waste 50.00 %"));
        Language = 1;
        QCOMPARE(DiagramCaption(Diagram(DiagramPartKind::Waste)), QString("x 2    1000.0    deseu 50.00 %"));
        Language = 0;
    }

    void sectionsOfTheSamplePlanFollowTheTypes()
    {
        m_fixture->data.LoadTypesOfBars();
        const int type = m_fixture->data.FindTypeOfBar("AL-40x40", "AL", "NATUR");
        CuttingPlan plan;
        plan.AddItem(type, {600, 3, {{"W1", 3}}});
        plan.AddLayout(type, {2000, 1805, 1, {3}});
        const std::vector<DIAGRAM_SECTION> sections = DiagramSections(m_fixture->data, plan, 0);
        QCOMPARE(sections.size(), std::size_t{1});
        QCOMPARE(sections[0].heading, QString("AL-40x40 / AL / NATUR"));
        QCOMPARE(sections[0].diagrams.size(), std::size_t{1});
        QCOMPARE(sections[0].diagrams[0].barLength, Length{2000});
    }

    void onlyVisibleRowsArePaintedAndTheBarsFitTheWidth()
    {
        CCuttingDiagramWindow window(nullptr, ManySections(400));
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CDiagramCanvas* canvas = window.Canvas();
        QCOMPARE(canvas->RowCount(), 402);
        QCOMPARE(canvas->TotalHeight(), 2 * CDiagramCanvas::kMargin + 2 * CDiagramCanvas::kHeadingHeight +
                                            400 * CDiagramCanvas::kDiagramHeight);
        QCOMPARE(canvas->width(), window.ScrollArea()->viewport()->width());
        canvas->repaint();
        QVERIFY2(canvas->PaintedRows() > 0 && canvas->PaintedRows() < 12, qPrintable(QString::number(canvas->PaintedRows())));
        window.resize(900, 400);
        QApplication::processEvents();
        QCOMPARE(canvas->width(), window.ScrollArea()->viewport()->width());
        window.ScrollArea()->verticalScrollBar()->setValue(window.ScrollArea()->verticalScrollBar()->maximum());
        canvas->repaint();
        QVERIFY(canvas->PaintedRows() > 0 && canvas->PaintedRows() < 12);

        // Rows met by a band: the heading alone, a band across the heading and a diagram,
        // past the end, and nothing.
        const int heading = CDiagramCanvas::kMargin;
        const int firstDiagram = heading + CDiagramCanvas::kHeadingHeight;
        QCOMPARE(canvas->RowsIn(heading, heading + 1), std::make_pair(0, 1));
        QCOMPARE(canvas->RowsIn(0, firstDiagram + 1), std::make_pair(0, 2));
        QCOMPARE(canvas->RowsIn(canvas->TotalHeight() + 10, canvas->TotalHeight() + 20), std::make_pair(402, 402));
        QCOMPARE(canvas->RowsIn(5, 5), std::make_pair(0, 0));
    }

    void barsOfATypeShareOneScale_data()
    {
        QTest::addColumn<double>("barLength");
        QTest::addColumn<double>("scaleLength");
        QTest::addColumn<int>("pixels");
        QTest::newRow("the longest bar fills the width") << 6000.0 << 6000.0 << 600;
        QTest::newRow("a stub of half the length") << 3000.0 << 6000.0 << 300;
        QTest::newRow("a tiny stub still shows") << 1.0 << 6000.0 << 1;
        QTest::newRow("no scale: the width") << 2000.0 << 0.0 << 600;
        QTest::newRow("a bar longer than the scale") << 7000.0 << 6000.0 << 600;
        QTest::newRow("a bar without length") << 0.0 << 6000.0 << 1;
    }
    void barsOfATypeShareOneScale()
    {
        QFETCH(double, barLength);
        QFETCH(double, scaleLength);
        QFETCH(int, pixels);
        QCOMPARE(BarWidthToScale(barLength, scaleLength, 600), pixels);
    }

    // Paper pages cannot show inline SVG: the job report on paper takes the program's own
    // drawings of the plan, in their colours, on the paper chosen.
    void paperPagesDrawTheDiagramsOfThePlan()
    {
        auto piecePixels = [](const QImage& image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    count += image.pixel(x, y) == qRgb(0xDC, 0xE8, 0xF5) ? 1 : 0;
                }
            }
            return count;
        };
        m_fixture->data.LoadTypesOfBars();
        m_fixture->OpenSampleJob();
        const int type = m_fixture->data.FindTypeOfBar("AL-40x40", "AL", "NATUR");
        CuttingPlan plan;
        plan.AddItem(type, {600, 120, {{"W1", 120}}});
        for (int i = 0; i < 40; ++i) {
            plan.AddLayout(type, {2000, 1805, 1, {3}});
        }
        JOB_REPORT_FLAGS flags;
        flags.cutLayouts = true;
        const PAPER_REPORT plain = JobReportOnPaper(m_fixture->data, flags, plan);
        QVERIFY(plain.diagrams.empty());
        QVERIFY(plain.footer == m_fixture->data.GetJobName());
        flags.cutDiagrams = true;
        const PAPER_REPORT drawn = JobReportOnPaper(m_fixture->data, flags, plan);
        QCOMPARE(drawn.diagrams.size(), std::size_t{40});
        QCOMPARE(drawn.diagrams[0].scaleLength, Length{2000});
        QVERIFY(drawn.html.find("<svg") == std::string::npos);
        QVERIFY(drawn.html.find("<img src='kxdiagram:39'") != std::string::npos);
        // The layouts fill the first page, the drawings follow.
        QCOMPARE(piecePixels(ReportPageImage(drawn, PageLayoutOf({}), 0)), 0);
        QVERIFY(piecePixels(ReportPageImage(drawn, PageLayoutOf({}), 1)) > 1000);
        QCOMPARE(piecePixels(ReportPageImage(plain, PageLayoutOf({}), 1)), 0);

        // Paper sizes and orientations: A4 portrait at 96 per inch, A4 landscape, Letter;
        // a size that is not offered is A4.
        const QSize a4 = ReportPageImage(drawn, PageLayoutOf({}), 0).size();
        QVERIFY(std::abs(a4.width() - 794) <= 1 && std::abs(a4.height() - 1123) <= 1);
        QCOMPARE(ReportPageImage(drawn, PageLayoutOf({0, true}), 0).size(), a4.transposed());
        const QSize letter = ReportPageImage(drawn, PageLayoutOf({3, false}), 0).size();
        QVERIFY(letter.width() > a4.width() && letter.height() < a4.height());
        QCOMPARE(PageLayoutOf({99, false}).pageSize().id(), QPageSize::A4);

        // A printer takes the same pages: here one that prints to a file.
        const std::string path = m_fixture->folder.File("printed.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        PrintReport(drawn, printer);
        QFile printed(QString::fromStdString(path));
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page\r") > 1);
    }

private:
    std::unique_ptr<CUiFixture> m_fixture;
};

QTEST_MAIN(CCuttingDiagramViewTest)
#include "cutting_diagram_view_test.moc"
