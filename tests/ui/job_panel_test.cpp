// The job panel: the order editor's add, update and remove with their validation, the
// orders list, the job commands and the "reuse stubs" choice.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "core/language.h"
#include "core/settings.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui_controls.h"
#include "ui_fixture.h"

class CJobPanelTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<CUiFixture>();
        m_window = std::make_unique<CMainWindow>(m_fixture->data);
        m_window->show();
        m_panel = static_cast<CPanelOrder*>(m_window->ShowPanel(kPanelJob));
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void addReadsTheFields_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("storedIdentifier");
        QTest::addColumn<double>("storedLength");
        QTest::addColumn<int>("storedQuantity");
        // Shown in the current language (Romanian here) under the English caption.
        const QString lengthError = "Va rugam sa completati campul lungime cu un numar valid!";
        const QString quantityError = "Va rugam sa completati campul cantitate cu un numar valid!";
        QTest::newRow("spaces become underscores") << "A 1" << "1200" << "3" << "" << "A_1" << 1200.0 << 3;
        QTest::newRow("no identifier") << "" << "0.5" << "1" << "" << "-|" << 0.5 << 1;
        QTest::newRow("a negative quantity is taken") << "N" << "10" << "-2" << "" << "N" << 10.0 << -2;
        QTest::newRow("quantity read up to the first non-digit") << "Q" << "10" << " 7 pcs" << "" << "Q" << 10.0 << 7;
        QTest::newRow("length 0") << "A" << "0" << "3" << lengthError << "" << 0.0 << 0;
        QTest::newRow("unreadable length") << "A" << "12x" << "3" << lengthError << "" << 0.0 << 0;
        QTest::newRow("empty length") << "A" << "" << "3" << lengthError << "" << 0.0 << 0;
        QTest::newRow("quantity 0") << "A" << "100" << "0" << quantityError << "" << 0.0 << 0;
        QTest::newRow("no quantity") << "A" << "100" << "" << quantityError << "" << 0.0 << 0;
    }
    void addReadsTheFields()
    {
        QFETCH(QString, identifier);
        QFETCH(QString, length);
        QFETCH(QString, quantity);
        QFETCH(QString, error);
        QFETCH(QString, storedIdentifier);
        QFETCH(double, storedLength);
        QFETCH(int, storedQuantity);
        Language = 1; // the editor is a child form: its errors keep the English caption
        Fill(1, identifier, length, quantity);
        Click("addButton");
        if (!error.isEmpty()) {
            QCOMPARE(m_fixture->data.CountOrders(), 0);
            QCOMPARE(Rows(), 0);
            QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(m_fixture->platform.messages[0].text), error);
            QCOMPARE(m_fixture->platform.messages[0].caption, std::string("Error"));
            // What the user typed stays.
            QCOMPARE(Edit("lengthEdit")->text(), length);
            QCOMPARE(Edit("quantityEdit")->text(), quantity);
            return;
        }
        QVERIFY(m_fixture->platform.messages.empty());
        QCOMPARE(m_fixture->data.CountOrders(), 1);
        QCOMPARE(Rows(), 1);
        ORDER order;
        m_fixture->data.GetOrder(0, order);
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(1);
        QCOMPARE(order.profileCode, type.profileCode);
        QCOMPARE(order.color, type.color);
        QCOMPARE(QString::fromStdString(order.identifier), storedIdentifier);
        QCOMPARE(order.length, storedLength);
        QCOMPARE(order.quantity, storedQuantity);
        // The identifier stays, selected, for the next order; length and quantity are emptied.
        QCOMPARE(Edit("identifierEdit")->text(), identifier);
        QCOMPARE(Edit("identifierEdit")->selectedText(), identifier);
        QVERIFY(Edit("lengthEdit")->text().isEmpty());
        QVERIFY(Edit("quantityEdit")->text().isEmpty());
        const QString cell = List()->model()->index(0, COrderModel::Identifier).data().toString();
        QCOMPARE(cell, storedIdentifier == "-|" ? QString() : storedIdentifier);
    }

    void selectingARowShowsItsOrder()
    {
        AddOrder(0, "W1", "1450", "8");
        AddOrder(1, "W2", "980.5", "2");
        List()->SelectRow(1);
        QCOMPARE(Edit("identifierEdit")->text(), QString("W2"));
        QCOMPARE(Edit("lengthEdit")->text(), QString("980"));
        QCOMPARE(Edit("quantityEdit")->text(), QString("2"));
        QCOMPARE(Combo()->currentIndex(), 1);
        List()->SelectRow(-1);
        QVERIFY(Edit("identifierEdit")->text().isEmpty());
        QCOMPARE(Combo()->currentIndex(), 0);
    }

    void updateChangesTheSelectedOrderOnly()
    {
        AddOrder(0, "W1", "1450", "8");
        AddOrder(0, "W2", "900", "4");
        // Nothing selected: the job stays as it was, the fields are emptied.
        Fill(2, "X", "700", "1");
        Click("updateButton");
        ORDER order;
        m_fixture->data.GetOrder(0, order);
        QCOMPARE(order.identifier, std::string("W1"));
        QVERIFY(Edit("identifierEdit")->text().isEmpty());

        List()->SelectRow(0);
        Fill(2, "X 2", "700", "5");
        Click("updateButton");
        m_fixture->data.GetOrder(0, order);
        QCOMPARE(order.identifier, std::string("X_2"));
        QCOMPARE(order.length, 700.0);
        QCOMPARE(order.quantity, 5);
        QCOMPARE(order.profileCode, m_fixture->data.GetTypeOfBar(2).profileCode);
        QCOMPARE(List()->model()->index(0, COrderModel::Identifier).data().toString(), QString("X_2"));
        QCOMPARE(List()->model()->index(0, COrderModel::LengthColumn).data().toString(), QString("700"));
        QVERIFY(Edit("identifierEdit")->text().isEmpty());
        QVERIFY(Edit("lengthEdit")->text().isEmpty());
        QCOMPARE(m_fixture->data.CountOrders(), 2);
    }

    void removeTakesTheSelectedOrderOnly()
    {
        AddOrder(0, "W1", "1450", "8");
        AddOrder(0, "W2", "900", "4");
        Click("removeButton");
        QCOMPARE(m_fixture->data.CountOrders(), 2);
        List()->SelectRow(0);
        Click("removeButton");
        QCOMPARE(m_fixture->data.CountOrders(), 1);
        QCOMPARE(Rows(), 1);
        ORDER order;
        m_fixture->data.GetOrder(0, order);
        QCOMPARE(order.identifier, std::string("W2"));
        QVERIFY(Edit("identifierEdit")->text().isEmpty());
        QCOMPARE(Combo()->currentIndex(), 0);
    }

    void anOrderOfARemovedTypeShowsNoType()
    {
        ORDER order;
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(0);
        order.profileCode = type.profileCode;
        order.material = type.material;
        order.color = type.color;
        order.length = 1000;
        order.quantity = 2;
        order.identifier = "OLD";
        m_fixture->data.AddOrder(order);
        m_fixture->data.RemoveTypeOfBar(0);
        List()->Rebuild();
        List()->SelectRow(0);
        QCOMPARE(Combo()->currentIndex(), -1);
        QCOMPARE(Edit("identifierEdit")->text(), QString("OLD"));
        QCOMPARE(Edit("quantityEdit")->text(), QString("2"));
    }

    void openNewAndSaveJob()
    {
        m_fixture->platform.openPaths.push_back(m_fixture->SampleJobPath());
        m_window->RunCommand(kCmdOpenJob);
        QVERIFY(m_fixture->data.CountOrders() > 0);
        QCOMPARE(Rows(), m_fixture->data.CountOrders());
        QCOMPARE(Edit("jobNameEdit")->text(), QString::fromStdString(m_fixture->data.GetJobName()));
        QCOMPARE(m_fixture->platform.titles.back(), "Kalomax - Job - " + m_fixture->SampleJobPath());

        // New job on an unsaved change: No discards it.
        Edit("jobNameEdit")->setText("Changed");
        m_fixture->platform.answers.push_back(MessageAnswer::No);
        m_window->RunCommand(kCmdNewJob);
        QCOMPARE(m_fixture->data.CountOrders(), 0);
        QCOMPARE(Rows(), 0);
        QCOMPARE(m_fixture->platform.titles.back(), std::string("Kalomax - Job"));

        AddOrder(0, "", "1000", "1");
        Edit("jobNameEdit")->setText("Saved job");
        Child<QPlainTextEdit>(m_panel, "jobDescriptionEdit")->setPlainText("Two lines\nof text");
        const std::string path = m_fixture->folder.File("saved.odr", "orders");
        m_fixture->platform.savePaths.push_back(path);
        Click("saveJobButton");
        QVERIFY(m_fixture->data.IsJobSaved());
        QCOMPARE(m_fixture->data.GetJobName(), std::string("Saved job"));
        QCOMPARE(m_fixture->platform.titles.back(), "Kalomax - Job - " + path);

        m_fixture->platform.openPaths.push_back(path);
        m_window->RunCommand(kCmdOpenJob);
        QCOMPARE(Rows(), 1);
        QCOMPARE(Edit("jobNameEdit")->text(), QString("Saved job"));
    }

    void anUnreadableJobFileLeavesAnEmptyJob()
    {
        AddOrder(0, "W1", "1450", "8");
        m_fixture->platform.answers.push_back(MessageAnswer::No);
        m_fixture->platform.openPaths.push_back(m_fixture->folder.File("missing.odr", "orders"));
        m_window->RunCommand(kCmdOpenJob);
        QCOMPARE(m_fixture->data.CountOrders(), 0);
        QCOMPARE(Rows(), 0);
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Job file could not be opened!"));
    }

    void reuseStubsIsKeptAcrossRuns()
    {
        QVERIFY(!Child<QCheckBox>(m_panel, "reuseStubsCheck")->isChecked());
        Child<QCheckBox>(m_panel, "reuseStubsCheck")->setChecked(true);
        m_window->ShowPanel(kPanelInventory);
        QCOMPARE(m_fixture->folder.settings.values["reuseStubs_LO"], std::string("1"));
        m_window.reset();
        m_window = std::make_unique<CMainWindow>(m_fixture->data);
        m_panel = static_cast<CPanelOrder*>(m_window->ShowPanel(kPanelJob));
        QVERIFY(Child<QCheckBox>(m_panel, "reuseStubsCheck")->isChecked());
    }

    void aChangeOfUnitShowsAtOnce()
    {
        AddOrder(0, "W1", "1450", "8");
        List()->SelectRow(0);
        LengthUnit = 1; // centimetres
        Precision = 1;
        emit m_window->settingsChanged();
        QCOMPARE(Child<QLabel>(m_panel, "unitLabel")->text(), QString("cm"));
        QCOMPARE(List()->model()->headerData(COrderModel::LengthColumn, Qt::Horizontal).toString(),
                 QString("Lgth. (cm)"));
        QCOMPARE(List()->model()->index(0, COrderModel::LengthColumn).data().toString(), QString("145.0"));
        QCOMPARE(Edit("lengthEdit")->text(), QString("145.0"));
    }

    void enterAndEscapeInTheEditorDoNothing()
    {
        Fill(0, "E", "100", "1");
        QTest::keyClick(Edit("quantityEdit"), Qt::Key_Return);
        QTest::keyClick(Edit("quantityEdit"), Qt::Key_Escape);
        QCOMPARE(m_fixture->data.CountOrders(), 0);
        QCOMPARE(Edit("quantityEdit")->text(), QString("1"));
        QVERIFY(m_window->isVisible());
    }

private:
    QLineEdit* Edit(const char* name) const { return Child<QLineEdit>(m_panel, name); }
    QComboBox* Combo() const { return Child<QComboBox>(m_panel, "typeCombo"); }
    COrderListView* List() const { return m_panel->OrderList(); }
    int Rows() const { return List()->model()->rowCount(); }
    void Click(const char* name) const { ::Click(m_panel, name); }
    void Fill(int type, const QString& identifier, const QString& length, const QString& quantity) const
    {
        Combo()->setCurrentIndex(type);
        Edit("identifierEdit")->setText(identifier);
        Edit("lengthEdit")->setText(length);
        Edit("quantityEdit")->setText(quantity);
    }
    void AddOrder(int type, const QString& identifier, const QString& length, const QString& quantity) const
    {
        Fill(type, identifier, length, quantity);
        Click("addButton");
    }

    std::unique_ptr<CUiFixture> m_fixture;
    std::unique_ptr<CMainWindow> m_window;
    CPanelOrder* m_panel = nullptr;
};

QTEST_MAIN(CJobPanelTest)
#include "job_panel_test.moc"
