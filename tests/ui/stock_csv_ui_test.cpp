// Stock import and export from the inventory panel, on the sample inventory.
#include <QPushButton>
#include <QtTest>

#include "inventory/inventory_data.h"
#include "ui/inventory_panel.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui_fixture.h"

namespace {

class CStockCsvUiTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<CUiFixture>();
        m_window = std::make_unique<CMainWindow>(m_fixture->data);
        m_window->show();
        m_panel = static_cast<CPanelStock*>(m_window->ShowPanel(kPanelInventory));
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void importShowsTheRowsAndAddsOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void importShowsTheRowsAndAddsOnlyWhenAsked()
    {
        QFETCH(bool, agree);
        m_fixture->folder.Write("stock.csv", "Profile code;Material;Color;Length;Quantity\n"
                                             "PVC-70;PVC;WHITE;3250;2\n"
                                             "NOPE;PVC;WHITE;3250;2\n");
        const int pvc = m_fixture->data.FindTypeOfBar("PVC-70", "PVC", "WHITE");
        m_panel->TypesList()->SelectRow(pvc);
        const int rowsBefore = m_panel->StockList()->Model()->rowCount();
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("stock.csv"));
        m_fixture->platform.answers.push_back(agree ? MessageAnswer::Yes : MessageAnswer::No);
        Click("importStockCsvButton");

        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        const std::string& question = m_fixture->platform.messages[0].text;
        QCOMPARE(question, std::string("Stock entries to add: 1.\n\nRows left out: 1\n  3: unknown type of bar\n\n"
                                       "Do you want to add them?"));
        std::vector<BAR> stock;
        m_fixture->data.ReadBarStock(pvc, stock);
        QCOMPARE(static_cast<int>(stock.size()), agree ? 2 : 1);
        QCOMPARE(m_panel->StockList()->Model()->rowCount(), rowsBefore + (agree ? 1 : 0));
    }

    void importOfNothingAndUnreadableFiles()
    {
        m_fixture->folder.Write("bad.csv", "Profile code,Material,Color,Length,Quantity\nNOPE,A,B,1,1\n");
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("bad.csv"));
        Click("importStockCsvButton");
        QCOMPARE(m_fixture->platform.messages.back().text,
                 std::string("The file holds nothing to add.\n\nStock entries to add: 0.\n\nRows left out: 1\n"
                             "  2: unknown type of bar"));
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("missing.csv"));
        Click("importStockCsvButton");
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("The file could not be opened!"));
        m_fixture->folder.Write("columns.csv", "Length,Quantity\n1,1\n");
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("columns.csv"));
        Click("importStockCsvButton");
        QCOMPARE(m_fixture->platform.messages.back().text,
                 std::string("The file does not name all the needed columns!"));
    }

    void exportWritesEveryEntry()
    {
        m_fixture->platform.savePaths.push_back(m_fixture->folder.File("out.csv"));
        Click("exportStockCsvButton");
        const std::string text = m_fixture->folder.Read("out.csv");
        QVERIFY(text.rfind("Profile code,Material,Color,Length,Quantity\r\n", 0) == 0);
        QVERIFY2(text.find("PVC-70,PVC,WHITE,6500,4\r\n") != std::string::npos, text.c_str());
        QVERIFY(m_fixture->platform.messages.empty());
    }

private:
    void Click(const char* name)
    {
        auto* button = m_panel->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        button->click();
    }

    std::unique_ptr<CUiFixture> m_fixture;
    std::unique_ptr<CMainWindow> m_window;
    CPanelStock* m_panel = nullptr;
};

} // namespace

QTEST_MAIN(CStockCsvUiTest)
#include "stock_csv_ui_test.moc"
