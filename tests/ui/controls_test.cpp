// The dialog and control helpers, the guarded call, the list models and the settings store.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

#include "core/exception.h"
#include "core/settings.h"
#include "core/texts.h"
#include "ui/controls.h"
#include "ui/dialog_box.h"
#include "ui/guarded_call.h"
#include "ui/list_views.h"
#include "ui/qt_settings_store.h"
#include "ui_fixture.h"

namespace {

// A dialog that refuses its close box until told otherwise and raises on command 77.
class CVetoDialog : public CDialogBox {
public:
    CVetoDialog() : CDialogBox(nullptr, "Veto") {}
    bool mayClose = false;
    int inits = 0;

protected:
    void OnInit() override { ++inits; }
    bool OnCommand(int id) override
    {
        if (id == 77) {
            KX_RAISE("Something failed.");
        }
        return CDialogBox::OnCommand(id);
    }
    bool OnClose() override { return mayClose; }
};

} // namespace

class CControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fixture = std::make_unique<CUiFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void comboBoxSelectsWithinWhatWasAdded()
    {
        QComboBox widget;
        CComboBoxCtrl combo;
        QVERIFY_THROWS_EXCEPTION(CException, combo.AddString("x", 1));
        combo.Attach(&widget);
        for (int i = 0; i < 5; ++i) {
            combo.AddString("item " + std::to_string(i), 100 + i);
        }
        try {
            combo.Select(5);
            QFAIL("Select(5) of 5 entries was accepted");
        } catch (const CException& error) {
            QCOMPARE(QString(error.message), QString("Index is too big."));
        }
        combo.Select(3);
        QCOMPARE(combo.GetSelectedData().value(), 103u);
        combo.Select(-1);
        QVERIFY(!combo.GetSelectedData().has_value());

        combo.Clear();
        for (int i = 0; i < 3; ++i) {
            combo.AddString("again " + std::to_string(i), i);
        }
        QVERIFY_THROWS_EXCEPTION(CException, combo.Select(3));
        combo.Select(2);
        QCOMPARE(combo.GetSelectedData().value(), 2u);
    }

    void progressBarScalesTo2000_data()
    {
        QTest::addColumn<qlonglong>("total");
        QTest::addColumn<qlonglong>("done");
        QTest::addColumn<int>("position");
        QTest::newRow("a quarter") << 200LL << 50LL << 500;
        QTest::newRow("no total leaves the bar") << 0LL << 50LL << 0;
        QTest::newRow("truncated") << 3LL << 1LL << 666;
        QTest::newRow("pieces beyond 32 bits") << 4'000'000'000LL << 3'000'000'000LL << 1500;
        QTest::newRow("a count that would overflow 32-bit products") << 2'000'000LL << 1'999'999LL << 1999;
        QTest::newRow("past the total is held at the end") << 10LL << 25LL << 2000;
    }
    void progressBarScalesTo2000()
    {
        QFETCH(qlonglong, total);
        QFETCH(qlonglong, done);
        QFETCH(int, position);
        QProgressBar widget;
        CProgressBar bar;
        QVERIFY_THROWS_EXCEPTION(CException, bar.Start(total));
        bar.Attach(&widget);
        bar.Start(total);
        QCOMPARE(widget.maximum(), 2000);
        bar.SetPos(done);
        QCOMPARE(widget.value(), position);
        bar.Fill();
        QCOMPARE(widget.value(), 2000);
    }

    void guardedCallShowsTheCaptionsOfItsPlace_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("inDialog");
        QTest::addColumn<bool>("cException");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("dialog, Romanian") << 1 << true << true << "Broken!" << "Error";
        QTest::newRow("panel, Romanian") << 1 << false << true << "Broken!" << "Eroare";
        QTest::newRow("panel, English") << 0 << false << true << "Broken!" << "Error";
        QTest::newRow("other exception, dialog") << 1 << true << false << "Error - xtr" << "Application error";
        QTest::newRow("other exception, panel") << 1 << false << false << "Error - xtr" << "Eroare de utilizare";
    }
    void guardedCallShowsTheCaptionsOfItsPlace()
    {
        QFETCH(int, language);
        QFETCH(bool, inDialog);
        QFETCH(bool, cException);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Language = language;
        const bool ok = GuardedCall(inDialog ? ErrorCaptions::Dialog : ErrorCaptions::Window, [&] {
            if (cException) {
                KX_RAISE("Broken!");
            }
            throw std::runtime_error("not shown to the user");
        });
        QVERIFY(!ok);
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_fixture->platform.messages[0].text), text);
        QCOMPARE(QString::fromStdString(m_fixture->platform.messages[0].caption), caption);
        QCOMPARE(m_fixture->platform.messages[0].icon, MessageIcon::Error);
        QVERIFY(GuardedCall(ErrorCaptions::Window, [] {}));
    }

    void dialogCloseBoxCanBeVetoed()
    {
        CVetoDialog dialog;
        dialog.Open();
        QCOMPARE(dialog.inits, 1);
        QCOMPARE(dialog.windowTitle(), QString("Veto"));
        QVERIFY(dialog.isVisible());
        dialog.close();
        QVERIFY(dialog.isVisible());
        // An error in a command is shown and the dialog stays.
        dialog.Command(77);
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Something failed."));
        dialog.mayClose = true;
        dialog.close();
        QVERIFY(!dialog.isVisible());
    }

    void dialogEndsOnEscapeByDefault()
    {
        CVetoDialog dialog;
        dialog.Open();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void panelFormIgnoresEnterAndEscape()
    {
        QWidget window;
        auto* form = new CPanelForm(&window);
        auto* edit = new QLineEdit(form);
        window.show();
        edit->setFocus();
        QTest::keyClicks(edit, "abc");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QVERIFY(form->isVisible());
        QCOMPARE(edit->text(), QString("abc"));
    }

    void modelsPassTheModelTester()
    {
        m_fixture->data.LoadTypesOfBars();
        m_fixture->OpenSampleJob();
        m_fixture->data.SelectStock(0);
        QVERIFY(m_fixture->data.CountTypesOfBars() > 0);
        QVERIFY(m_fixture->data.CountOrders() > 0);
        CTypesOfBarsModel types(m_fixture->data);
        CStockModel stock(m_fixture->data);
        COrderModel orders(m_fixture->data);
        QAbstractItemModelTester typesTester(&types, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester stockTester(&stock, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester ordersTester(&orders, QAbstractItemModelTester::FailureReportingMode::QtTest);
        types.InsertRows(m_fixture->data.CountTypesOfBars());
        stock.InsertRows(m_fixture->data.CountBars());
        orders.InsertRows(m_fixture->data.CountOrders());
        orders.DeleteRow(0);
        orders.DeleteAllRows();
        orders.InsertRows(m_fixture->data.CountOrders());
        QCOMPARE(types.columnCount(), 7);
        QCOMPARE(stock.columnCount(), 2);
        QCOMPARE(orders.columnCount(), 6);
    }

    void columnTitlesFollowTheSettings()
    {
        m_fixture->data.LoadTypesOfBars();
        CTypesOfBarsModel types(m_fixture->data);
        CStockModel stock(m_fixture->data);
        Currency = "EUR";
        QCOMPARE(types.headerData(3, Qt::Horizontal).toString(), QString("Price (EUR) / Lgth. (mm)"));
        QCOMPARE(types.headerData(4, Qt::Horizontal).toString(), QString("Default lgth. (mm)"));
        QCOMPARE(stock.headerData(0, Qt::Horizontal).toString(), QString("Lgth. (mm)"));
        LengthUnit = 2;
        Language = 1;
        QCOMPARE(types.headerData(6, Qt::Horizontal).toString(), QString("Lung. max. pierduta (m)"));
        QCOMPARE(stock.headerData(1, Qt::Horizontal).toString(), QString("Cantitate"));
    }

    void listViewReportsSelectionAndClearsItOnEmptyClicks()
    {
        m_fixture->data.LoadTypesOfBars();
        CTypesOfBarsListView view(m_fixture->data, nullptr);
        view.resize(600, 400);
        view.show();
        QCOMPARE(view.model()->rowCount(), m_fixture->data.CountTypesOfBars());
        QList<int> reported;
        connect(&view, &CTypesOfBarsListView::typeOfBarSelected, this, [&](int row) { reported.append(row); });
        const QRect second = view.visualRect(view.model()->index(1, 0));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(view.GetSelected(), 1);
        QCOMPARE(reported.last(), 1);
        // A click on a column title neither sorts nor selects.
        const QString firstBefore = view.model()->index(0, 0).data().toString();
        QTest::mouseClick(view.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(view.model()->index(0, 0).data().toString(), firstBefore);
        QCOMPARE(view.GetSelected(), 1);
        // Below the last row.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, view.viewport()->height() - 3));
        QCOMPARE(view.GetSelected(), -1);
        QCOMPARE(reported.last(), -1);
    }

    void settingsStoreKeepsOneGroupPerSetting()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Kalo.conf");
        {
            CQtSettingsStore store(path);
            QVERIFY(!store.ReadValue("language").has_value());
            QVERIFY(store.WriteValue("language", "1"));
            QVERIFY(store.WriteValue("currency", "EUR"));
            QCOMPARE(store.ReadValue("currency").value(), std::string("EUR"));
        }
        QSettings ini(path, QSettings::IniFormat);
        QCOMPARE(ini.value("language/val").toString(), QString("1"));
        QCOMPARE(ini.value("currency/val").toString(), QString("EUR"));
        CQtSettingsStore again(path);
        QCOMPARE(again.ReadValue("language").value(), std::string("1"));
    }

private:
    std::unique_ptr<CUiFixture> m_fixture;
};

QTEST_MAIN(CControlsTest)
#include "controls_test.moc"
