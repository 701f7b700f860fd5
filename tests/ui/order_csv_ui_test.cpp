// Orders from and to spreadsheets in the job panel: the preview of an import, Import with
// OK and with Cancel, the errors that add nothing, and Export.
#include <QAbstractItemModel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>

#include "core/language.h"
#include "job/order_csv.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/order_import_preview.h"
#include "ui/panel_order.h"
#include "ui_fixture.h"

namespace {

// Two good rows, then one of each kind of bad row.
const char* const kMixedCsv = "\xEF\xBB\xBFQuantity;Length;Identifier;Color;Material;Profile code\r\n"
                              "2;1200;W1;NATUR;AL;AL-40x40\r\n"
                              "1;\"640.5\";;NATUR;AL;AL-40x40\r\n"
                              "3;100;X;PINK;AL;AL-40x40\r\n"
                              "4;12x;X;NATUR;AL;AL-40x40\r\n"
                              "0;100;X;NATUR;AL;AL-40x40\r\n";

} // namespace

class COrderCsvUiTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<CUiFixture>();
        m_window = std::make_unique<CMainWindow>(m_fixture->data);
        m_window->show();
        m_panel = static_cast<CPanelOrder*>(m_window->ShowPanel(kPanelJob));
        Language = 0;
    }
    void cleanup()
    {
        m_poll.stop();
        m_seen = nullptr;
        m_window.reset();
        m_fixture.reset();
    }

    void thePreviewListsGoodAndBadRows()
    {
        const ORDER_IMPORT import = ReadOrdersCsv(m_fixture->data, kMixedCsv, 0);
        COrderImportPreview preview(nullptr, import);
        preview.Open();
        QAbstractItemModel* model = preview.OrderTable()->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, 0).data().toInt(), 2); // the file line
        QCOMPARE(model->index(0, 1).data().toString(), QString("AL-40x40"));
        QCOMPARE(model->index(0, 4).data().toString(), QString("W1"));
        QCOMPARE(model->index(1, 4).data().toString(), QString()); // no identifier shows empty
        QCOMPARE(model->index(1, 6).data().toInt(), 1);
        QStringList problems;
        for (int i = 0; i < preview.ProblemList()->count(); ++i) {
            problems << preview.ProblemList()->item(i)->text();
        }
        QCOMPARE(problems, (QStringList{"line 4: unknown type of bar", "line 5: unreadable length",
                                        "line 6: zero quantity"}));
        OkButton(preview)->click();
        QVERIFY(preview.IsAccepted());
        QVERIFY(!preview.isVisible());

        // Cancel takes nothing; nothing to add leaves only Cancel.
        COrderImportPreview cancelled(nullptr, import);
        cancelled.Open();
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QVERIFY(!cancelled.IsAccepted());
        const ORDER_IMPORT bad = ReadOrdersCsv(m_fixture->data, "Profile code,Material,Color,Length,Quantity\nX,Y,Z,1,1\n", 0);
        COrderImportPreview empty(nullptr, bad);
        empty.Open();
        QVERIFY(!OkButton(empty)->isEnabled());
        empty.Command(kIdOk);
        QVERIFY(!empty.IsAccepted());
    }

    void importAddsTheGoodRowsOnOkOnly_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void importAddsTheGoodRowsOnOkOnly()
    {
        QFETCH(bool, ok);
        const std::string path = m_fixture->folder.File("cut-list.csv");
        m_fixture->folder.Write("cut-list.csv", kMixedCsv);
        m_fixture->platform.openPaths.push_back(path);
        bool sawPreview = false;
        AnswerPreview(ok, sawPreview);
        m_window->RunCommand(kCmdImportOrdersCsv);
        QVERIFY(sawPreview);
        QVERIFY(m_fixture->platform.messages.empty());
        QCOMPARE(m_fixture->platform.openDialogs.back().filter, std::string("CSV files (*.csv)"));
        QCOMPARE(m_fixture->data.CountOrders(), ok ? 2 : 0);
        QCOMPARE(m_panel->OrderList()->model()->rowCount(), ok ? 2 : 0);
        QCOMPARE(m_fixture->data.IsJobSaved(), !ok);
    }

    void tenThousandRowsImportWithinASecond()
    {
        std::string csv = "Profile code,Material,Color,Identifier,Length,Quantity\n";
        for (int i = 0; i < 10000; ++i) {
            csv += "AL-40x40,AL,NATUR,P" + std::to_string(i) + "," + std::to_string(100 + i % 900) + ",1\n";
        }
        m_fixture->folder.Write("big.csv", csv);
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("big.csv"));
        bool sawPreview = false;
        AnswerPreview(true, sawPreview);
        QElapsedTimer timer;
        timer.start();
        m_window->RunCommand(kCmdImportOrdersCsv);
        const qint64 elapsed = timer.elapsed();
        QVERIFY(sawPreview);
        QCOMPARE(m_fixture->data.CountOrders(), 10000);
        QCOMPARE(m_panel->OrderList()->model()->rowCount(), 10000);
        // The preview waits up to one poll interval for its answer.
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
    }

    void importErrorsAddNothing_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no such file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << "The file could not be opened!";
        QTest::newRow("missing column") << QByteArray("Profile code,Material,Length,Quantity\nAL-40x40,AL,10,1\n")
                                        << "The file does not name all the needed columns!";
    }
    void importErrorsAddNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        if (!content.isEmpty()) {
            m_fixture->folder.Write("in.csv", content.toStdString());
        }
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("in.csv"));
        bool sawPreview = false;
        AnswerPreview(true, sawPreview);
        m_window->RunCommand(kCmdImportOrdersCsv);
        QVERIFY(!sawPreview);
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_fixture->platform.messages[0].text), message);
        QCOMPARE(m_fixture->data.CountOrders(), 0);
        QVERIFY(m_fixture->data.IsJobSaved());
    }

    void exportWritesTheOrdersAndReportsAFailure()
    {
        m_fixture->OpenSampleJob();
        const std::string path = m_fixture->folder.File("out.csv");
        m_fixture->platform.savePaths.push_back(std::nullopt);
        m_window->RunCommand(kCmdExportOrdersCsv);
        QVERIFY(!m_fixture->folder.Exists("out.csv"));
        m_fixture->platform.savePaths.push_back(path);
        m_window->RunCommand(kCmdExportOrdersCsv);
        QVERIFY(m_fixture->platform.messages.empty());
        QCOMPARE(m_fixture->folder.Read("out.csv"), WriteOrdersCsv(m_fixture->data, 0, 0));
        QVERIFY(m_fixture->data.CountOrders() > 0);
        QVERIFY(m_fixture->folder.Read("out.csv").find("AL-40x40") != std::string::npos);

        m_fixture->platform.savePaths.push_back(m_fixture->folder.File("out.csv", "no-such-folder"));
        m_window->RunCommand(kCmdExportOrdersCsv);
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text, std::string("The file could not be written!"));
    }

private:
    static QPushButton* OkButton(QWidget& preview)
    {
        for (QPushButton* button : preview.findChildren<QPushButton*>()) {
            if (button->text() == "OK") {
                return button;
            }
        }
        return nullptr;
    }

    // Once the modal preview is up, clicks OK or Cancel on it.
    void AnswerPreview(bool ok, bool& seen)
    {
        m_answer = ok;
        m_seen = &seen;
        m_poll.disconnect();
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto* preview = qobject_cast<COrderImportPreview*>(QApplication::activeModalWidget());
            if (preview != nullptr && m_seen != nullptr) {
                *m_seen = true;
                m_seen = nullptr;
                m_poll.stop();
                preview->Command(m_answer ? kIdOk : kIdCancel);
            }
        });
        m_poll.start(20);
    }

    std::unique_ptr<CUiFixture> m_fixture;
    std::unique_ptr<CMainWindow> m_window;
    CPanelOrder* m_panel = nullptr;
    QTimer m_poll;
    bool m_answer = false;
    bool* m_seen = nullptr;
};

QTEST_MAIN(COrderCsvUiTest)
#include "order_csv_ui_test.moc"
