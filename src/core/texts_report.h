#pragma once

#include "core/language.h"

// Both reports: page titles, section headings and field labels.
inline constexpr char T_REPORT_TITLE[2][32] = {"Report", "Raport"};
inline constexpr char T_REPORT_JOB_NAME[2][32] = {"Job name:", "Numele proiectului:"};
inline constexpr char T_REPORT_JOB_DATE[2][32] = {"Job date:", "Data proiectului:"};
inline constexpr char T_REPORT_JOB_DESCRIPTION[2][32] = {"Job description:", "Descrierea proiectului:"};
inline constexpr char T_REPORT_PROFILE_CODE[2][32] = {"Profile code", "Cod profil"};
inline constexpr char T_REPORT_MATERIAL[2][32] = {"Material", "Material"};
inline constexpr char T_REPORT_COLOR[2][32] = {"Color", "Culoare"};
inline constexpr char T_REPORT_IDENTIFIER[2][32] = {"Identifier", "Identificator"};
inline constexpr char T_REPORT_LENGTH[2][32] = {"Lgth.", "Lung."};
inline constexpr char T_REPORT_QUANTITY[2][32] = {"Qty.", "Cantitate"};
inline constexpr char T_REPORT_PRICE[2][32] = {"Price", "Pret"};
inline constexpr char T_REPORT_SETTINGS[2][32] = {"Settings", "Configurare"};
inline constexpr char T_REPORT_SAW_THICKNESS[2][32] = {"Saw thickness:", "Dimensiunea taieturii:"};
inline constexpr char T_REPORT_CUTTING_LAYOUTS[2][32] = {"Cutting layouts", "Moduri de taiere"};
inline constexpr char T_REPORT_CUTTING_DIAGRAMS[2][32] = {"Cutting diagrams", "Diagrame de taiere"};
inline constexpr char T_REPORT_DIAGRAM_WASTE[2][32] = {"waste", "deseu"};
inline constexpr char T_REPORT_PROFILE_CODE_LABEL[2][32] = {"Profile code:", "Cod profil:"};
inline constexpr char T_REPORT_MATERIAL_LABEL[2][32] = {"Material:", "Material:"};
inline constexpr char T_REPORT_COLOR_LABEL[2][32] = {"Color:", "Culoare:"};
inline constexpr char T_REPORT_USED_ITEMS[2][32] = {"Used items", "Nr. de bucati taiate"};
inline constexpr char T_REPORT_UNUSED_ITEMS[2][32] = {"Unused items", "Nr. de bucati ramase netaiate"};
inline constexpr char T_REPORT_COST_OF_BAR[2][32] = {"Cost of bar:", "Costul unei bare:"};
inline constexpr char T_REPORT_TOTAL_LENGTH[2][32] = {"Total length", "Lungime totala"};
inline constexpr char T_REPORT_USED_LENGTH[2][32] = {"Used length", "Lungime folosita"};
inline constexpr char T_REPORT_REUSED_LENGTH[2][32] = {"Reused length", "Lungime refolosita"};
inline constexpr char T_REPORT_WASTE_LENGTH[2][32] = {"Waste length", "Lungime pierduta"};
inline constexpr char T_REPORT_BAR_LENGTH[2][32] = {"Bar length:", "Lungimea barei:"};
inline constexpr char T_REPORT_USED_BARS[2][32] = {"Used bars:", "Nr. barelor folosite:"};
inline constexpr char T_REPORT_TOTAL_COSTS[2][32] = {"Total costs", "Costuri totale"};
inline constexpr char T_REPORT_TOTAL_COST_TOTAL[2][50] = {"Total cost of total length",
                                                          "Costul total al lungimii totale"};
inline constexpr char T_REPORT_TOTAL_COST_USED[2][50] = {"Total cost of used length",
                                                         "Costul total al lungimii folosite"};
inline constexpr char T_REPORT_TOTAL_COST_REUSED[2][50] = {"Total cost of reused length",
                                                           "Costul total al lungimii refolosite"};
inline constexpr char T_REPORT_TOTAL_COST_WASTE[2][50] = {"Total cost of waste length",
                                                          "Costul total al lungimii pierdute"};
inline constexpr char T_REPORT_BARS_TO_BUY_FOR_JOB[2][55] = {
    "Bars that have to be bought for this job", "Bare care trebuiesc cumparate pentru acest proiect"};
inline constexpr char T_REPORT_TOTAL_PRICE[2][32] = {"Total price", "Pret total"};

// The inventory report.
inline constexpr char T_REPORT_INVENTORY_TITLE[2][32] = {"Inventory report", "Raport stocuri"};
inline constexpr char T_REPORT_INVENTORY[2][32] = {"Inventory", "Stocuri"};
inline constexpr char T_REPORT_MIN_REUSED_LENGTH[2][32] = {"Minimum reused length:", "Lungimea minima refolosita:"};
inline constexpr char T_REPORT_MAX_WASTE_LENGTH[2][32] = {"Maximum waste length:", "Lungimea maxima pierduta:"};
inline constexpr char T_REPORT_DEFAULT_LENGTH[2][32] = {"Default length:", "Lungime implicita:"};
inline constexpr char T_REPORT_COST_OF_STOCK_LABEL[2][32] = {"Cost of stock:", "Costul stocului:"};
inline constexpr char T_REPORT_COST_OF_STOCK[2][32] = {"Cost of stock", "Costul stocului"};
inline constexpr char T_REPORT_TOTAL_COST_OF_STOCKS[2][42] = {"Total cost of stocks", "Costul total al stocurilor"};
inline constexpr char T_REPORT_BARS_TO_BUY[2][45] = {"Bars that have to be bought", "Bare care trebuiesc cumparate"};

// Errors of both reports ("Stock is invalid!" is T_STOCK_INVALID of the cutting plan).
inline constexpr char T_CANNOT_CREATE_REPORT[2][32] = {"Cannot create report!", "Raportul nu poate fi creat!"};

// The banner link and the footer line of every report page.
inline constexpr char T_REPORT_MAKER_ADDRESS[2][64] = {"http://kalomax.example/en/", "http://kalomax.example/ro/"};
inline constexpr char T_REPORT_MAKER_NOTICE[2][128] = {
    "Kalomax - cutting bars with less waste - http://kalomax.example/en/ - support@kalomax.example",
    "Kalomax - taierea barelor cu pierderi mai mici - http://kalomax.example/ro/ - support@kalomax.example"};
