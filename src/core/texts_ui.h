#pragma once

#include "core/language.h"

// Program name, start-up.
inline constexpr const char* kProgramName = "Kalomax";
inline constexpr char T_ALREADY_RUNNING[2][64] = {"There is already an instance of this application running!",
                                                  "Exista deja o instanta a acestei aplicatii care ruleaza!"};

// Main menu. "&Backup", "Language", "English" and "Romana" are the same in both languages.
inline constexpr char T_MENU_COMMANDS[2][32] = {"&Commands", "&Comenzi"};
inline constexpr char T_MENU_OPTIONS[2][32] = {"&Options", "&Optiuni"};
inline constexpr char T_MENU_HELP[2][32] = {"&Help", "&Ajutor"};
inline constexpr const char* kMenuBackup = "&Backup";
inline constexpr const char* kMenuLanguage = "Language";
inline constexpr const char* kMenuEnglish = "English";
inline constexpr const char* kMenuRomanian = "Romana";
inline constexpr char T_MENU_OPEN_JOB[2][32] = {"&Open job", "&Deschidere proiect"};
inline constexpr char T_MENU_NEW_JOB[2][32] = {"&New job", "&Proiect nou"};
inline constexpr char T_MENU_TYPES_OF_BARS[2][50] = {"&Add / Remove type of bar", "&Adaugare / Stergere tipuri de bare"};
inline constexpr char T_MENU_MANAGE_INVENTORY[2][32] = {"&Manage inventory", "&Gestionare stocuri"};
inline constexpr char T_MENU_INVENTORY_REPORT[2][32] = {"&Generate inventory report...",
                                                        "&Generare raport stocuri..."};
inline constexpr char T_MENU_PROFILE_CODES[2][32] = {"&Profile codes...", "&Coduri profile..."};
inline constexpr char T_MENU_MATERIALS[2][32] = {"&Materials...", "&Materiale..."};
inline constexpr char T_MENU_COLORS[2][32] = {"&Colors...", "&Culori..."};
inline constexpr char T_MENU_SETTINGS[2][32] = {"&Settings...", "&Configurare..."};
inline constexpr char T_MENU_SAVE_INVENTORY[2][32] = {"&Save inventory...", "&Salvare stocuri..."};
inline constexpr char T_MENU_RESTORE_INVENTORY[2][32] = {"&Restore inventory", "&Restaurare stocuri"};
inline constexpr char T_MENU_HELP_ITEM[2][32] = {"&Help...", "&Ajutor..."};
inline constexpr char T_MENU_ABOUT[2][32] = {"&About...", "&Despre..."};

// Toolbar (the texts begin with a space).
inline constexpr char T_TOOLBAR_JOB[2][32] = {" JOB", " PROIECT"};
inline constexpr char T_TOOLBAR_INVENTORY[2][32] = {" INVENTORY", " STOCURI"};
inline constexpr char T_TOOLBAR_TYPES_OF_BARS[2][32] = {" TYPES OF BARS", " TIPURI DE BARE"};

// Panel titles.
inline constexpr char T_PANEL_TYPES_OF_BARS[2][50] = {"Add / remove types of bars", "Adaugare / Stergere tipuri de bare"};
inline constexpr char T_PANEL_MANAGE_INVENTORY[2][50] = {"Manage inventory", "Gestionare stocuri"};

// Help pages.
inline constexpr char T_HELP_FILE[2][32] = {"helpen.html", "helpro.html"};

// Restore inventory.
inline constexpr char T_ASK_RESTORE[2][82] = {
    "By restoring an inventory, the current inventory will be lost. Are you sure?",
    "Prin restaurare, stocurile curente se vor pierde. Sunteti sigur?"};
inline constexpr char T_RESTORE_DONE[2][62] = {"The restoration has been done successfully!",
                                               "Operatia de restaurare a fost indeplinita cu succes!"};
inline constexpr char T_RESTORE_CAPTION[2][32] = {"Restore inventory", "Restaurare stocuri"};
inline constexpr const char* kBackupFilesFilter = "Backup Files (*.bkp)";

// Shown with a busy progress bar while long work runs beside the window.
inline constexpr char T_WORK_RESTORING[2][40] = {"Restoring the inventory...", "Restaurare stocuri..."};
inline constexpr char T_WORK_SAVING_INVENTORY[2][40] = {"Saving the inventory...", "Salvare stocuri..."};
inline constexpr char T_WORK_OPENING_JOB[2][40] = {"Opening the job...", "Deschidere proiect..."};
inline constexpr char T_WORK_PREPARING_JOB[2][40] = {"Preparing the job...", "Pregatire proiect..."};
inline constexpr char T_WORK_CREATING_REPORT[2][40] = {"Creating the report...", "Creare raport..."};
inline constexpr char T_WORK_WRITING_PDF[2][40] = {"Writing the PDF file...", "Scriere fisier PDF..."};
inline constexpr char T_WORK_PRINTING[2][40] = {"Printing...", "Tiparire..."};

// Save inventory dialog.
inline constexpr char T_SAVE_INVENTORY_TITLE[2][32] = {"Save inventory", "Salvare stocuri"};
inline constexpr char T_SAVE_INVENTORY_BUTTON[2][32] = {"Save inventory", "Salveaza stocurile"};
inline constexpr char T_BACKUP_PATH_LABEL[2][32] = {"Backup file path:", "Calea fisierului de backup:"};
inline constexpr char T_INVENTORY_SAVED[2][42] = {"Inventory has been saved successfully!",
                                                  "Stocurile au fost salvate cu succes!"};

// About dialog.
inline constexpr char T_ABOUT[2][32] = {"About", "Despre"};
inline constexpr char T_VERSION_LABEL[2][32] = {"Version:", "Versiune:"};
inline constexpr const char* kVersionText = "123";
inline constexpr char T_ABOUT_MAKER[2][256] = {"Velmora Workshop Software", "Velmora Workshop Software"};
inline constexpr char T_ABOUT_WEB[2][256] = {"User guide: Help > Help...", "Ghidul utilizatorului: Ajutor > Ajutor..."};
inline constexpr char T_ABOUT_SUPPORT[2][256] = {"Support: your Velmora contact person.",
                                                 "Asistenta: persoana de contact Velmora."};
inline constexpr char T_ABOUT_WARNING1[2][256] = {
    "This program is protected by copyright law.",
    "Acest program este protejat de legea drepturilor de autor."};
inline constexpr char T_ABOUT_WARNING2[2][256] = {
    "Check every cutting plan before cutting: the program gives no warranty.",
    "Verificati fiecare plan de taiere inainte de debitare: programul nu ofera nicio garantie."};
inline constexpr char T_OK[2][32] = {"OK", "OK"};

// Job panel: list columns.
inline constexpr char T_COLUMN_PROFILE_CODE[2][32] = {"Profile code", "Cod profil"};
inline constexpr char T_COLUMN_MATERIAL[2][32] = {"Material", "Material"};
inline constexpr char T_COLUMN_COLOR[2][32] = {"Color", "Culoare"};
inline constexpr char T_COLUMN_IDENTIFIER[2][32] = {"Identifier", "Identificator"};
inline constexpr char T_COLUMN_LENGTH[2][32] = {"Lgth.", "Lung."};
inline constexpr char T_COLUMN_QUANTITY[2][32] = {"Qty.", "Cantitate"};
// Types-of-bars list columns.
inline constexpr char T_COLUMN_PRICE[2][32] = {"Price", "Pret"};
inline constexpr char T_COLUMN_DEFAULT_LENGTH[2][32] = {"Default lgth.", "Lung. implicita"};
inline constexpr char T_COLUMN_MIN_REUSED_LENGTH[2][32] = {"Min. reused lgth.", "Lung. min. refolosita"};
inline constexpr char T_COLUMN_MAX_WASTE_LENGTH[2][32] = {"Max. waste lgth.", "Lung. max. pierduta"};

// Job panel: the order editor.
inline constexpr char T_ORDER_GROUP[2][64] = {"Add / Update / Remove order", "Adaugare / Actualizare / Stergere comanda"};
inline constexpr char T_ORDER_TYPE_LABEL[2][50] = {"Type of bar (profile code - material - molor):",
                                                   "Tip bara (cod profil - material - culoare):"};
inline constexpr char T_ORDER_IDENTIFIER_LABEL[2][32] = {"Identifier:", "Identificator:"};
inline constexpr char T_ORDER_LENGTH_LABEL[2][32] = {"Length:", "Lungime:"};
inline constexpr char T_ORDER_QUANTITY_LABEL[2][32] = {"Quantity:", "Cantitate:"};
inline constexpr char T_ORDER_ADD[2][32] = {"Add", "Adauga"};
inline constexpr char T_ORDER_UPDATE[2][32] = {"Update", "Actualizeaza"};
inline constexpr char T_ORDER_REMOVE[2][32] = {"Remove", "Sterge"};
inline constexpr char T_JOB_NAME_LABEL[2][32] = {"Job name:", "Nume proiect:"};
inline constexpr char T_JOB_DESCRIPTION_LABEL[2][32] = {"Job description:", "Descriere:"};
inline constexpr char T_SAVE_JOB[2][32] = {"Save job", "Salveaza"};
inline constexpr char T_REUSE_STUBS[2][32] = {"reuse stubs", "refoloseste resturile"};
inline constexpr char T_LAUNCH_JOB[2][32] = {"Launch job", "Lanseaza"};
inline constexpr char T_INVALID_LENGTH_FIELD[2][256] = {"Please, fill the length field with a valid number!",
                                                        "Va rugam sa completati campul lungime cu un numar valid!"};
inline constexpr char T_INVALID_QUANTITY_FIELD[2][256] = {
    "Please, fill the quantity field with a valid number!",
    "Va rugam sa completati campul cantitate cu un numar valid!"};

// Job launch dialog.
inline constexpr char T_LAUNCH_TITLE[2][32] = {"Job optimization", "Optimizare proiect"};
inline constexpr char T_LAUNCH_OPTIMIZE_GROUP[2][32] = {"Optimize job", "Optimizare proiect"};
inline constexpr char T_CANCEL[2][32] = {"Cancel", "Anuleaza"};
inline constexpr char T_LAUNCH_REPORT_GROUP[2][32] = {"Create report", "Creare raport"};
inline constexpr char T_LAUNCH_REPORT_PATH[2][32] = {"Report path:", "Calea raportului generat:"};
inline constexpr char T_LAUNCH_REPORT_CONTENT[2][42] = {"Set report content:", "Stabileste continutul raportului:"};
inline constexpr char T_JR_JOB_INFO[2][40] = {"job information", "informatii despre proiect"};
inline constexpr char T_JR_SETTINGS[2][40] = {"settings", "date de configurare"};
inline constexpr char T_JR_STATISTICS[2][40] = {"cutting layout statistics", "statistici despre modelelul de taiere"};
inline constexpr char T_JR_CUT_LAYOUTS[2][40] = {"cutting layout", "modelul de taiere"};
inline constexpr char T_JR_TOTAL_COSTS[2][40] = {"total costs", "costuri totale"};
inline constexpr char T_JR_BARS_BOUGHT[2][40] = {"bars that have to be bought", "bare care trebuiesc cumparate"};
inline constexpr char T_CREATE_REPORT[2][32] = {"Create report", "Creaza raport"};
inline constexpr char T_LAUNCH_UPDATE_GROUP[2][32] = {"Update inventory", "Actualizare stocuri"};
inline constexpr char T_UPDATE_INVENTORY[2][32] = {"Update inventory", "Actualizeaza stocurile"};
inline constexpr char T_INVENTORY_UPDATED[2][42] = {"Inventory was updated.", "Stocurile au fost actualizate."};
inline constexpr char T_JR_CUT_DIAGRAMS[2][40] = {"cutting diagrams", "diagrame de taiere"};
inline constexpr char T_SHOW_DIAGRAMS[2][32] = {"Show diagrams", "Arata diagramele"};
inline constexpr char T_SAVE_REPORT_PDF[2][40] = {"Save report as PDF...", "Salveaza raportul ca PDF..."};
inline constexpr char T_PRINT_REPORT[2][32] = {"Print...", "Tipareste..."};
inline constexpr char T_PDF_FILTER[2][40] = {"PDF files (*.pdf)", "Fisiere PDF (*.pdf)"};
inline constexpr char T_PDF_NOT_WRITTEN[2][64] = {"The PDF file could not be written!",
                                                  "Fisierul PDF nu a putut fi scris!"};
inline constexpr char T_PAGE_OF[2][32] = {"Page %1 of %2", "Pagina %1 din %2"};
inline constexpr char T_PAPER[2][16] = {"Paper:", "Hartie:"};
inline constexpr char T_PORTRAIT[2][16] = {"Portrait", "Portret"};
inline constexpr char T_LANDSCAPE[2][16] = {"Landscape", "Peisaj"};
inline constexpr char T_BARS_USED[2][32] = {"bars used", "bare folosite"};
inline constexpr char T_LOWER_BOUND[2][32] = {"lower bound", "limita inferioara"};
inline constexpr char T_PROVEN_OPTIMAL[2][32] = {"Proven optimal", "Optim demonstrat"};

// Cutting-diagram window.
inline constexpr char T_DIAGRAMS_TITLE[2][32] = {"Cutting diagrams", "Diagrame de taiere"};
inline constexpr char T_DIAGRAM_WASTE[2][32] = {"waste", "deseu"};

// CSV import and export of the orders of the job panel.
inline constexpr char T_IMPORT_ORDERS_CSV[2][40] = {"Import orders from CSV...", "Import comenzi din CSV..."};
inline constexpr char T_EXPORT_ORDERS_CSV[2][40] = {"Export orders to CSV...", "Export comenzi in CSV..."};
inline constexpr char T_CSV_FILTER[2][40] = {"CSV files (*.csv)", "Fisiere CSV (*.csv)"};
inline constexpr char T_IMPORT_PREVIEW_TITLE[2][40] = {"Import orders", "Import comenzi"};
inline constexpr char T_IMPORT_ROWS_ADDED[2][64] = {"Orders that will be added:", "Comenzi care vor fi adaugate:"};
inline constexpr char T_IMPORT_BAD_ROWS[2][64] = {"Rows that will not be added:", "Randuri care nu vor fi adaugate:"};
inline constexpr char T_IMPORT_LINE[2][32] = {"line", "linia"};

// Forms of the types-of-bars and inventory panels.
inline constexpr char T_TOB_ADD_GROUP[2][50] = {"Add a new type of bar", "Adaugare tip bara"};
inline constexpr char T_TOB_REMOVE_GROUP[2][50] = {"Remove selected type of bar", "Stergere tip bara"};
inline constexpr char T_TOB_SELECTED_GROUP[2][50] = {"Selected type of bar", "Tipul de bara selectat"};
inline constexpr char T_TOB_UPDATE_GROUP[2][50] = {"Update selected type of bar", "Actualizare tip de bara selectat"};
inline constexpr char T_STOCK_GROUP[2][50] = {"Manage stock", "Gestionare stoc"};
inline constexpr char T_TOB_PROFILE_CODE_LABEL[2][32] = {"Profile code:", "Cod profil:"};
inline constexpr char T_TOB_MATERIAL_LABEL[2][32] = {"Material:", "Material:"};
inline constexpr char T_TOB_COLOR_LABEL[2][32] = {"Color:", "Culoare:"};
inline constexpr char T_TOB_PRICE_LABEL[2][32] = {"Price / length:", "Pret / lungime:"};
inline constexpr char T_TOB_MIN_REUSED_LABEL[2][32] = {"Min. reused lgth.:", "Lung. min. refolosita:"};
inline constexpr char T_TOB_MAX_WASTE_LABEL[2][32] = {"Max. waste lgth.:", "Lung. max. pierduta:"};
inline constexpr char T_TOB_DEFAULT_LENGTH_LABEL[2][32] = {"Default length:", "Lungimea implicita:"};
inline constexpr char T_STOCK_LENGTH_LABEL[2][32] = {"Length:", "Lungime:"};
inline constexpr char T_STOCK_QUANTITY_LABEL[2][32] = {"Quantity:", "Cantitate:"};
inline constexpr char T_BUTTON_ADD[2][32] = {"Add", "Adauga"};
inline constexpr char T_BUTTON_UPDATE[2][32] = {"Update", "Actualizeaza"};
inline constexpr char T_BUTTON_REMOVE[2][32] = {"Remove", "Sterge"};
inline constexpr char T_NO_PROFILE_CODES[2][256] = {
    "There is no profile code in the database! Add a profile code!",
    "In baza de date nu exista nici un cod profil! Adaugati un cod profil!"};
inline constexpr char T_NO_MATERIALS[2][256] = {
    "There is no material type in the database! Add a material type!",
    "In baza de date nu exista nici un tip de material! Adaugati un tip de material!"};
inline constexpr char T_NO_COLORS[2][256] = {"There is no color type in the database! Add a color type!",
                                             "In baza de date nu exista nici o culoare! Adaugati o culoare!"};
inline constexpr char T_INVALID_PRICE_LENGTH[2][256] = {
    "In the price / length field, the length has to be a valid number!",
    "In campul pret / lungime, lungimea trebuie sa fie un numar valid!"};
inline constexpr char T_INVALID_DEFAULT_LENGTH[2][256] = {
    "In the default length field, the length has to be a valid number!",
    "In campul lungime implicita, lungimea trebuie sa fie un numar valid!"};
inline constexpr char T_DEFAULT_BELOW_MIN_REUSED[2][256] = {
    "The default length cannot be less than the minimum reused length!",
    "Lungimea implicita nu poate fi mai mica decat lungimea minima refolosita!"};
inline constexpr char T_MAX_WASTE_ABOVE_MIN_REUSED[2][256] = {
    "The maximum waste length cannot be greater than the minimum reused length!",
    "Lungimea maxima pierduta nu poate fi mai mare decat lungimea minima refolosita!"};
inline constexpr char T_ASK_REMOVE_STOCKED_TYPE[2][256] = {
    "The type of bar you want to remove has a stock of bars. Do you want to remove it?",
    "Tipul de bara pe care doriti sa-l stergeti are asociat un stoc de bare. Vreti sa stergeti tipul de bara?"};
inline constexpr const char* kCannotInitializeTypesOfBarsPanel = "Cannot initialize 'add type of bar' panel!";

// Category dialogs, one row per kind: profile codes, materials, colors.
struct CATEGORY_TEXTS {
    char caption[2][50];
    char addGroup[2][50];
    char viewGroup[2][50];
    char removeButton[2][50];
};
inline constexpr CATEGORY_TEXTS kCategoryTexts[3] = {
    {{"Profile codes", "Coduri profile"},
     {"Add profile code", "Adaugare cod profil"},
     {"View existing profile codes", "Vizualizare coduri profile existente"},
     {"Remove selected profile code", "Sterge cod profil selectat"}},
    {{"Materials", "Materiale"},
     {"Add material", "Adaugare material"},
     {"View existing materials", "Vizualizare materiale existente"},
     {"Remove selected material", "Sterge material selectat"}},
    {{"Colors", "Culori"},
     {"Add color", "Adaugare culoare"},
     {"View existing colors", "Vizualizare culori existente"},
     {"Remove selected color", "Sterge culoare selectata"}},
};

// Settings dialog.
inline constexpr char T_SETTINGS_TITLE[2][32] = {"Settings", "Configurare"};
inline constexpr char T_CURRENCY_LABEL[2][32] = {"Currency:", "Valuta:"};
inline constexpr char T_LENGTH_UNIT_LABEL[2][32] = {"Length unit:", "Unitatea de lungime:"};
inline constexpr char T_PRECISION_LABEL[2][32] = {"Precision:", "Precizie:"};
inline constexpr char T_SAW_THICKNESS_LABEL[2][32] = {"Saw thickness:", "Dimensiunea taieturii:"};
inline constexpr const char* kOkText = "OK";
inline constexpr const char* kCancelText = "Cancel";

// Inventory report dialog ("Report path:", "Set report content:", "bars that have to be
// bought" and "Create report" are the launch dialog's texts).
inline constexpr char T_INVENTORY_REPORT_TITLE[2][32] = {"Inventory report", "Raport stocuri"};
inline constexpr char T_SR_STOCK_INFO[2][40] = {"stock info", "informatii stoc"};
inline constexpr char T_SR_STOCK_DETAILS[2][40] = {"stock details", "detalii stoc"};
inline constexpr char T_SR_TOTAL_COST[2][40] = {"total cost of stocks", "costul total al stocurilor"};
