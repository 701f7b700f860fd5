// The types-of-bars and inventory panels with their forms, the category dialogs, the
// settings dialog and the inventory report dialog, on the sample inventory.
#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/language.h"
#include "core/settings.h"
#include "support/raised_message.h"
#include "ui/category_dialog.h"
#include "ui/inventory_panel.h"
#include "ui/inventory_report_dialog.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/settings_dialog.h"
#include "ui/types_of_bars_panel.h"
#include "ui_controls.h"
#include "ui_fixture.h"

namespace fs = std::filesystem;

namespace {

int StockFileCount(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        count += name.size() == 8 && name.find_first_not_of("0123456789") == std::string::npos ? 1 : 0;
    }
    return count;
}

QStringList ComboItems(QComboBox* combo)
{
    QStringList items;
    for (int index = 0; index < combo->count(); ++index) {
        items << combo->itemText(index);
    }
    return items;
}

} // namespace

class CInventoryDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<CUiFixture>();
        m_window = std::make_unique<CMainWindow>(m_fixture->data);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    // Types-of-bars panel.

    void addChecksTheFieldsInOrder_data()
    {
        QTest::addColumn<QString>("emptyFiles");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("priceLength");
        QTest::addColumn<QString>("minReused");
        QTest::addColumn<QString>("maxWaste");
        QTest::addColumn<QString>("defaultLength");
        QTest::addColumn<QString>("error");
        const QString ok;
        QTest::newRow("no colors") << "colors.dat" << "1" << "1000" << "100" << "10" << "6000"
                                   << "There is no color type in the database! Add a color type!";
        QTest::newRow("no categories at all: profile codes first")
            << "pcodes.dat maters.dat colors.dat" << "1" << "1000" << "100" << "10" << "6000"
            << "There is no profile code in the database! Add a profile code!";
        QTest::newRow("price length 0 before the rest") << "" << "1" << "0" << "9" << "99" << "0"
                                                        << "In the price / length field, the length has to be a valid number!";
        QTest::newRow("unreadable price length") << "" << "1" << "abc" << "1" << "1" << "6000"
                                                 << "In the price / length field, the length has to be a valid number!";
        QTest::newRow("default length 0") << "" << "1" << "1000" << "0" << "0" << "0"
                                          << "In the default length field, the length has to be a valid number!";
        QTest::newRow("default below minimum reused") << "" << "1" << "1000" << "700" << "10" << "600"
                                                      << "The default length cannot be less than the minimum reused length!";
        QTest::newRow("waste above minimum reused") << "" << "1" << "1000" << "100" << "101" << "600"
                                                    << "The maximum waste length cannot be greater than the minimum reused length!";
        QTest::newRow("empty price stores 0") << "" << "" << "1000" << "100" << "10" << "6000" << ok;
        QTest::newRow("equal lengths accepted") << "" << "2.5" << "1000" << "600" << "600" << "600" << ok;
        QTest::newRow("no reuse, no waste") << "" << "2.5" << "1000" << "0" << "0" << "600" << ok;
    }
    void addChecksTheFieldsInOrder()
    {
        QFETCH(QString, emptyFiles);
        QFETCH(QString, price);
        QFETCH(QString, priceLength);
        QFETCH(QString, minReused);
        QFETCH(QString, maxWaste);
        QFETCH(QString, defaultLength);
        QFETCH(QString, error);
        for (const QString& name : emptyFiles.split(' ', Qt::SkipEmptyParts)) {
            m_fixture->folder.Write(name.toStdString(), "");
        }
        auto* panel = TypesPanel();
        // A profile code with no type of bar yet, so a valid type is new.
        m_fixture->folder.Write("pcodes.dat", emptyFiles.contains("pcodes") ? "" : "AL-40x40\r\nZZ-1\r\n");
        panel->Form()->ReloadCategory(147);
        if (!emptyFiles.contains("pcodes")) {
            Child<QComboBox>(panel, "profileCodeCombo")->setCurrentText("ZZ-1");
        }
        const int types = m_fixture->data.CountTypesOfBars();
        const int files = StockFileCount(m_fixture->folder.Path());
        FillType(panel, price, priceLength, minReused, maxWaste, defaultLength);
        Click(panel, "addButton");
        if (!error.isEmpty()) {
            QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(m_fixture->platform.messages[0].text), error);
            QCOMPARE(m_fixture->data.CountTypesOfBars(), types);
            QCOMPARE(StockFileCount(m_fixture->folder.Path()), files);
            return;
        }
        QVERIFY(m_fixture->platform.messages.empty());
        QCOMPARE(m_fixture->data.CountTypesOfBars(), types + 1);
        QCOMPARE(panel->TypesList()->model()->rowCount(), types + 1);
        const int index = m_fixture->data.FindTypeOfBar("ZZ-1", "AL", "BLACK");
        QVERIFY(index >= 0);
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(index);
        QCOMPARE(type.price, TextToNumber(price.toStdString()));
        QCOMPARE(type.defaultLength, defaultLength.toDouble());
        QCOMPARE(m_fixture->folder.Read(type.stockFile), std::string());
        QCOMPARE(StockFileCount(m_fixture->folder.Path()), files + 1);
        // The edits keep their texts for the next similar type.
        QCOMPARE(Child<QLineEdit>(panel, "priceLengthEdit")->text(), priceLength);
        QCOMPARE(panel->TypesList()->model()->index(index, CTypesOfBarsModel::ProfileCode).data().toString(),
                 QString("ZZ-1"));
    }

    void theDropDownListsShowSortedItemsAndYieldTheChosenOne()
    {
        m_fixture->folder.Write("colors.dat", "WHITE\r\nBLACK\r\nRAL9016\r\n");
        m_fixture->folder.Write("pcodes.dat", "ZZ-2\r\n");
        auto* panel = TypesPanel();
        auto* colors = Child<QComboBox>(panel, "colorCombo");
        QCOMPARE(ComboItems(colors), QStringList({"BLACK", "RAL9016", "WHITE"}));
        QCOMPARE(colors->currentIndex(), 0);
        colors->setCurrentIndex(2);
        FillType(panel, "1", "1000", "100", "10", "6000");
        Click(panel, "addButton");
        QVERIFY(m_fixture->data.FindTypeOfBar("ZZ-2", "AL", "WHITE") >= 0);
    }

    void aDuplicateTypeLeavesNoStrayStockFile()
    {
        auto* panel = TypesPanel();
        // AL-40x40 / AL / BLACK is new the first time.
        FillType(panel, "1", "1000", "100", "10", "6000");
        Click(panel, "addButton");
        QVERIFY(m_fixture->platform.messages.empty());
        const int files = StockFileCount(m_fixture->folder.Path());
        Click(panel, "addButton");
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text,
                 std::string("The inserted type of bar already exists in the database!"));
        QCOMPARE(StockFileCount(m_fixture->folder.Path()), files);
    }

    void aCategoryChangeShowsAtOnceInThePanel()
    {
        auto* panel = TypesPanel();
        auto* colors = Child<QComboBox>(panel, "colorCombo");
        CCategory dialog(*m_window, CategoryKind::Color);
        dialog.Open();
        SetText(&dialog, "itemEdit", "DARK RED");
        Click(&dialog, "addButton");
        QVERIFY(ComboItems(colors).contains("DARK_RED"));
        auto* list = Child<QListWidget>(&dialog, "itemList");
        list->setCurrentItem(list->findItems("DARK_RED", Qt::MatchExactly).first());
        Click(&dialog, "removeButton");
        QVERIFY(!ComboItems(colors).contains("DARK_RED"));
        QCOMPARE(colors->currentIndex(), 0);
        dialog.close();
    }

    void removeAsksOnlyForAStock_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("removed");
        // Rows: 0 AL-40x40 (three bars), 1 PVC-70, 2 ST-20x20 (emptied below).
        QTest::newRow("empty stock file: no question") << 2 << int(MessageAnswer::No) << false << true;
        QTest::newRow("stock, Yes") << 0 << int(MessageAnswer::Yes) << true << true;
        QTest::newRow("stock, No keeps everything") << 0 << int(MessageAnswer::No) << true << false;
    }
    void removeAsksOnlyForAStock()
    {
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, removed);
        m_fixture->folder.Write(m_fixture->data.GetTypeOfBar(2).stockFile, "");
        auto* panel = TypesPanel();
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(row);
        panel->TypesList()->SelectRow(row);
        QCOMPARE(Child<QLabel>(panel, "selectedProfileCode")->text(), QString::fromStdString(type.profileCode));
        m_fixture->platform.answers.push_back(MessageAnswer(answer));
        Click(panel, "removeButton");
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{asked ? 1u : 0u});
        if (asked) {
            QCOMPARE(m_fixture->platform.messages[0].caption, std::string("Question"));
            QCOMPARE(m_fixture->platform.messages[0].buttons, MessageButtons::YesNo);
        }
        QCOMPARE(m_fixture->data.CountTypesOfBars(), removed ? 2 : 3);
        QCOMPARE(panel->TypesList()->model()->rowCount(), removed ? 2 : 3);
        QCOMPARE(m_fixture->folder.Exists(type.stockFile), !removed);
        QVERIFY(Child<QLabel>(panel, "selectedProfileCode")->text().isEmpty());
        CInventoryData reloaded;
        reloaded.LoadTypesOfBars();
        QCOMPARE(reloaded.CountTypesOfBars(), removed ? 2 : 3);
    }

    void removingATypeWithoutStockFileRemovesNothing()
    {
        fs::remove(m_fixture->folder.File(m_fixture->data.GetTypeOfBar(1).stockFile));
        auto* panel = TypesPanel();
        panel->TypesList()->SelectRow(1);
        Click(panel, "removeButton");
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text, std::string("The file cannot be opened!"));
        QCOMPARE(m_fixture->data.CountTypesOfBars(), 3);
    }

    void aMissingCategoryFileKeepsThePanelFromOpening()
    {
        fs::remove(m_fixture->folder.File("maters.dat"));
        m_window->RunCommand(kCmdTypesOfBars);
        QCOMPARE(m_window->CurrentPanel(), nullptr);
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Category file could not be opened!"));
    }

    void aSettingsChangeShowsAtOnceInTitlesAndCells()
    {
        auto* panel = TypesPanel();
        auto* model = panel->TypesList()->model();
        LengthUnit = 2; // metres
        Precision = 3;
        Currency = "EUR";
        emit m_window->settingsChanged();
        QCOMPARE(model->headerData(CTypesOfBarsModel::Price, Qt::Horizontal).toString(),
                 QString("Price (EUR) / Lgth. (m)"));
        QCOMPARE(model->index(0, CTypesOfBarsModel::DefaultLength).data().toString(), QString("6.000"));
        QCOMPARE(Child<QLabel>(panel, "defaultLengthUnit")->text(), QString("m"));
        QCOMPARE(Child<QLabel>(panel, "currencyLabel")->text(), QString("EUR"));
    }

    // Inventory panel.

    void theListsSitSideBySide()
    {
        auto* panel = InventoryPanel();
        QApplication::processEvents();
        const int width = panel->width();
        QCOMPARE(panel->TypesList()->geometry().width(), width - 155);
        QCOMPARE(panel->StockList()->geometry().x(), width - 150);
        QCOMPARE(panel->StockList()->geometry().width(), 150);
        QCOMPARE(panel->Form()->geometry().bottom(), panel->height() - 1);
    }

    void selectingATypeShowsItAndItsStock()
    {
        auto* panel = InventoryPanel();
        panel->TypesList()->SelectRow(0);
        QCOMPARE(Child<QLabel>(panel, "selectedColor")->text(), QString("NATUR"));
        QCOMPARE(Child<QLineEdit>(panel, "priceEdit")->text(), QString("18.40"));
        QCOMPARE(Child<QLineEdit>(panel, "defaultLengthEdit")->text(), QString("6000"));
        QCOMPARE(panel->StockList()->model()->rowCount(), 3);
        panel->StockList()->SelectRow(1);
        QCOMPARE(Child<QLineEdit>(panel, "lengthEdit")->text(), QString("2350"));
        QCOMPARE(Child<QLineEdit>(panel, "quantityEdit")->text(), QString("2"));

        fs::remove(m_fixture->folder.File(m_fixture->data.GetTypeOfBar(1).stockFile));
        panel->TypesList()->SelectRow(1);
        QCOMPARE(Child<QLabel>(panel, "selectedColor")->text(), QString("WHITE"));
        QCOMPARE(panel->StockList()->model()->rowCount(), 0);
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Stock file could not be opened!"));
    }

    void stockBarsAreAddedUpdatedAndRemoved()
    {
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(2);
        m_fixture->folder.Write(type.stockFile, "1000.2000\n1\n6000.0000\n3\n");
        auto* panel = InventoryPanel();
        panel->TypesList()->SelectRow(2);
        auto* stock = panel->StockList()->model();
        QCOMPARE(stock->rowCount(), 2);
        // Same length text in millimetres with 0 decimals: merged, no new row.
        AddStock(panel, "1000.4", "1");
        QCOMPARE(stock->rowCount(), 2);
        QCOMPARE(stock->index(0, CStockModel::Quantity).data().toString(), QString("2"));
        QVERIFY(Child<QLineEdit>(panel, "lengthEdit")->text().isEmpty());
        // Taking every bar away deletes the row.
        AddStock(panel, "6000", "-3");
        QCOMPARE(stock->rowCount(), 1);
        AddStock(panel, "2500", "4 pcs");
        QCOMPARE(stock->rowCount(), 2);
        QCOMPARE(m_fixture->folder.Read(type.stockFile), std::string("1000.2000\n2\n2500.0000\n4\n"));

        // Update with another length than the entry's changes nothing.
        panel->StockList()->SelectRow(1);
        SetText(panel, "lengthEdit", "2400");
        SetText(panel, "quantityEdit", "9");
        Click(panel, "updateBarButton");
        QCOMPARE(m_fixture->data.GetBar(1).quantity, 4);
        QVERIFY(Child<QLineEdit>(panel, "quantityEdit")->text().isEmpty());
        SetText(panel, "lengthEdit", "2500");
        SetText(panel, "quantityEdit", "9");
        Click(panel, "updateBarButton");
        QCOMPARE(m_fixture->data.GetBar(1).quantity, 9);

        panel->StockList()->SelectRow(0);
        Click(panel, "removeButton");
        QCOMPARE(stock->rowCount(), 1);
        QCOMPARE(m_fixture->folder.Read(type.stockFile), std::string("2500.0000\n9\n"));

        // With no type selected the bars still go to the stock selected before, and the
        // rows follow that stock.
        panel->TypesList()->SelectRow(-1);
        AddStock(panel, "700", "2");
        QCOMPARE(m_fixture->data.SelectedTypeOfBar(), 2);
        QCOMPARE(m_fixture->data.CountBars(), 2);
        QCOMPARE(stock->rowCount(), 2);
    }

    void updateStoresThePriceAndLengths()
    {
        auto* panel = InventoryPanel();
        SetText(panel, "priceLengthEdit", "0");
        Click(panel, "updateTypeButton");
        QCOMPARE(m_fixture->platform.messages.back().text,
                 std::string("In the price / length field, the length has to be a valid number!"));
        panel->TypesList()->SelectRow(1);
        FillType(panel, "12.5", "1000", "500", "500", "500");
        Click(panel, "updateTypeButton");
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(1);
        QCOMPARE(type.price, 12.5);
        QCOMPARE(type.defaultLength, 500.0);
        QCOMPARE(panel->TypesList()->model()->index(1, CTypesOfBarsModel::Price).data().toString(),
                 QString("12.50 / 1000"));
        CInventoryData reloaded;
        reloaded.LoadTypesOfBars();
        QCOMPARE(reloaded.GetTypeOfBar(1).maxWasteLength, 500.0);
    }

    // Category dialogs.

    void categoryDialogAddsAndRemoves()
    {
        Language = 1;
        CCategory dialog(*m_window, CategoryKind::Color);
        dialog.Open();
        QCOMPARE(dialog.windowTitle(), QString("Culori"));
        QVERIFY(!Child<QPushButton>(&dialog, "removeButton")->isEnabled());
        QSignalSpy changed(m_window.get(), &CMainWindow::categoryChanged);
        SetText(&dialog, "itemEdit", "new item");
        Click(&dialog, "addButton");
        QCOMPARE(m_fixture->folder.Read("colors.dat"), std::string("BLACK\r\nNATUR\r\nRAL9016\r\nWHITE\r\nnew_item\r\n"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toInt(), 320);
        Click(&dialog, "addButton");
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text, std::string("Elementul adaugat exista deja in lista!"));
        QCOMPARE(m_fixture->platform.messages[0].caption, std::string("Eroare de utilizare"));
        QCOMPARE(changed.count(), 1);

        auto* list = Child<QListWidget>(&dialog, "itemList");
        list->setCurrentItem(list->findItems("NATUR", Qt::MatchExactly).first());
        QVERIFY(Child<QPushButton>(&dialog, "removeButton")->isEnabled());
        Click(&dialog, "removeButton");
        QCOMPARE(m_fixture->platform.messages.back().text,
                 std::string("Elementul nu poate fi sters pentru ca face parte din tipul unei bare!"));
        QCOMPARE(m_fixture->platform.messages.back().caption, std::string("Error"));
        QVERIFY(dialog.Items().count("NATUR") == 1);
        QCOMPARE(list->findItems("NATUR", Qt::MatchExactly).size(), 1);

        list->setCurrentItem(list->findItems("RAL9016", Qt::MatchExactly).first());
        Click(&dialog, "removeButton");
        QCOMPARE(list->findItems("RAL9016", Qt::MatchExactly).size(), 0);
        QVERIFY(!Child<QPushButton>(&dialog, "removeButton")->isEnabled());
        QCOMPARE(m_fixture->folder.Read("colors.dat"), std::string("BLACK\r\nNATUR\r\nWHITE\r\nnew_item\r\n"));
        QCOMPARE(changed.count(), 2);
        dialog.close();
    }

    void aMissingCategoryFileOpensNoDialog()
    {
        fs::remove(m_fixture->folder.File("colors.dat"));
        QCOMPARE(RaisedMessage([this] { CCategory dialog(*m_window, CategoryKind::Color); }),
                 std::string("Category file could not be opened!"));
        m_window->RunCommand(kCmdColors);
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Category file could not be opened!"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // Settings dialog.

    void settingsPreviewAndSave()
    {
        SawThickness = 4;
        CSettings dialog(*m_window);
        dialog.Open();
        auto* unit = Child<QComboBox>(&dialog, "unitCombo");
        auto* precision = Child<QComboBox>(&dialog, "precisionCombo");
        QCOMPARE(unit->count(), 22);
        QCOMPARE(Child<QLineEdit>(&dialog, "sawThicknessEdit")->text(), QString("4"));
        // Inches with precision 2: 4 mm is shown as 0.15 and stored as 0.15 inch.
        precision->setCurrentIndex(2);
        dialog.Command(CSettings::kIdPrecision);
        unit->setCurrentIndex(3);
        dialog.Command(CSettings::kIdUnit);
        QCOMPARE(Child<QLineEdit>(&dialog, "sawThicknessEdit")->text(), QString("0.15"));
        QCOMPARE(Child<QLabel>(&dialog, "sawThicknessUnit")->text(), QString("in"));
        QVERIFY(precision->isEnabled());
        SetText(&dialog, "currencyEdit", "RON");
        QSignalSpy changed(m_window.get(), &CMainWindow::settingsChanged);
        Click(&dialog, "okButton");
        QCOMPARE(changed.count(), 1);
        QVERIFY(!dialog.isVisible());
        auto& stored = m_fixture->folder.settings.values;
        QCOMPARE(stored["length_unit"], std::string("3"));
        QCOMPARE(stored["precision"], std::string("2"));
        QCOMPARE(stored["currency"], std::string("RON"));
        QCOMPARE(stored["saw_thickness"], std::string("0.15"));
        QCOMPARE(SawThickness, 0.15 * 25.4);
    }

    void settingsPrecisionFollowsTheUnitAndCancelStoresNothing()
    {
        LengthUnit = 8;
        CSettings dialog(*m_window);
        dialog.Open();
        auto* unit = Child<QComboBox>(&dialog, "unitCombo");
        auto* precision = Child<QComboBox>(&dialog, "precisionCombo");
        QVERIFY(precision->isEnabled());
        unit->setCurrentIndex(3);
        dialog.Command(CSettings::kIdUnit);
        QVERIFY(precision->isEnabled());
        unit->setCurrentIndex(8);
        dialog.Command(CSettings::kIdUnit);
        QVERIFY(!precision->isEnabled());
        // A typed value is replaced by the preview of the saved one.
        SetText(&dialog, "sawThicknessEdit", "5");
        dialog.Command(CSettings::kIdPrecision);
        QCOMPARE(Child<QLineEdit>(&dialog, "sawThicknessEdit")->text(), QString("0\""));
        Click(&dialog, "cancelButton");
        QVERIFY(m_fixture->folder.settings.values.empty());
        QCOMPARE(LengthUnit, 8);
    }

    // Inventory report dialog.

    void inventoryReportDialog()
    {
        m_fixture->folder.settings.values["stockDetails_SR"] = "1";
        m_fixture->folder.settings.values["barsBought_SR"] = "7";
        CStockReportDialog dialog(m_window.get(), m_fixture->data);
        dialog.Open();
        QVERIFY(!Child<QCheckBox>(&dialog, "stockInfoCheck")->isChecked());
        QVERIFY(Child<QCheckBox>(&dialog, "stockDetailsCheck")->isChecked());
        QVERIFY(Child<QCheckBox>(&dialog, "barsBoughtCheck")->isChecked());
        const QString path = Child<QLineEdit>(&dialog, "reportPathEdit")->text();
        QVERIFY(path.startsWith(QString::fromStdString(m_fixture->folder.File("", "report"))));
        QVERIFY(path.endsWith(".html"));

        Child<QCheckBox>(&dialog, "stockInfoCheck")->setChecked(true);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(!fs::exists(path.toStdString()));
        QCOMPARE(m_fixture->folder.settings.values["stockInfo_SR"], std::string());

        Click(&dialog, "createReportButton");
        QVERIFY(dialog.isVisible());
        QVERIFY(fs::exists(path.toStdString()));
        QCOMPARE(m_fixture->platform.openedWithShell.back(), path.toStdString());

        dialog.close();
        QVERIFY(!dialog.isVisible());
        auto& stored = m_fixture->folder.settings.values;
        QCOMPARE(stored["stockInfo_SR"], std::string("1"));
        QCOMPARE(stored["stockDetails_SR"], std::string("1"));
        QCOMPARE(stored["totalCost_SR"], std::string("0"));
        QCOMPARE(stored["barsBought_SR"], std::string("1"));

        CStockReportDialog again(m_window.get(), m_fixture->data);
        again.Open();
        QVERIFY(Child<QLineEdit>(&again, "reportPathEdit")->text() != path);
        again.close();
    }

    // Save as PDF and Print on the paper chosen, which is kept in the settings.
    void inventoryReportOnPaper()
    {
        auto& stored = m_fixture->folder.settings.values;
        stored["paperSize"] = "1";
        stored["paperLandscape"] = "1";
        CStockReportDialog dialog(m_window.get(), m_fixture->data);
        dialog.Open();
        auto* size = Child<QComboBox>(&dialog, "paperSizeCombo");
        auto* orientation = Child<QComboBox>(&dialog, "paperOrientationCombo");
        QCOMPARE(size->currentText(), QString("A3"));
        QCOMPARE(orientation->currentText(), QString("Landscape"));

        const auto isPdf = [](const std::string& path) {
            QFile file(QString::fromStdString(path));
            return file.open(QIODevice::ReadOnly) && file.read(4) == "%PDF";
        };
        m_fixture->platform.savePaths.push_back(std::nullopt);
        Click(&dialog, "savePdfButton");
        QCOMPARE(m_fixture->platform.saveDialogs.back().filter, std::string("PDF files (*.pdf)"));
        const std::string pdf = m_fixture->folder.File("stock.pdf", "report");
        m_fixture->platform.savePaths.push_back(pdf);
        Click(&dialog, "savePdfButton");
        QVERIFY(isPdf(pdf));
        m_fixture->platform.savePaths.push_back(m_fixture->folder.File("x.pdf", "no-such-folder"));
        Click(&dialog, "savePdfButton");
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text, std::string("The PDF file could not be written!"));

        // The printer dialog starts from the paper chosen; cancelled, nothing is printed.
        m_fixture->printerDialog.answers = {"", m_fixture->folder.File("printed.pdf")};
        Click(&dialog, "printButton");
        QCOMPARE(m_fixture->printerDialog.shown, 1);
        QCOMPARE(m_fixture->printerDialog.startPageSize, QString("A3"));
        QVERIFY(m_fixture->printerDialog.startLandscape);
        QVERIFY(!fs::exists(m_fixture->folder.File("printed.pdf")));
        Click(&dialog, "printButton");
        QVERIFY(isPdf(m_fixture->folder.File("printed.pdf")));

        size->setCurrentIndex(3);
        orientation->setCurrentIndex(0);
        QCOMPARE(stored["paperSize"], std::string("3"));
        QCOMPARE(stored["paperLandscape"], std::string("0"));
        dialog.close();

        Language = 1;
        CStockReportDialog romanian(m_window.get(), m_fixture->data);
        romanian.Open();
        QCOMPARE(Child<QComboBox>(&romanian, "paperSizeCombo")->currentText(), QString("Letter"));
        QCOMPARE(Child<QComboBox>(&romanian, "paperOrientationCombo")->itemText(1), QString("Peisaj"));
        QCOMPARE(Child<QPushButton>(&romanian, "printButton")->text(), QString("Tipareste..."));
        romanian.close();
        Language = 0;
    }

private:
    CPanelAddTypeOfBar* TypesPanel()
    {
        return static_cast<CPanelAddTypeOfBar*>(m_window->ShowPanel(kPanelTypesOfBars));
    }
    CPanelStock* InventoryPanel() { return static_cast<CPanelStock*>(m_window->ShowPanel(kPanelInventory)); }
    static void FillType(QWidget* panel, const QString& price, const QString& priceLength, const QString& minReused,
                         const QString& maxWaste, const QString& defaultLength)
    {
        SetText(panel, "priceEdit", price);
        SetText(panel, "priceLengthEdit", priceLength);
        SetText(panel, "minReusedLengthEdit", minReused);
        SetText(panel, "maxWasteLengthEdit", maxWaste);
        SetText(panel, "defaultLengthEdit", defaultLength);
    }
    static void AddStock(QWidget* panel, const QString& length, const QString& quantity)
    {
        SetText(panel, "lengthEdit", length);
        SetText(panel, "quantityEdit", quantity);
        Click(panel, "addButton");
    }

    std::unique_ptr<CUiFixture> m_fixture;
    std::unique_ptr<CMainWindow> m_window;
};

QTEST_MAIN(CInventoryDialogsTest)
#include "inventory_dialogs_test.moc"
