#pragma once

#include "core/language.h"

// Categories.
inline constexpr char T_CATEGORY_FILE_NOT_OPENED[2][256] = {
    "Category file could not be opened!", "Fisierul categorie nu a putut fi deschis!"};
inline constexpr char T_TOO_MANY_CATEGORY_ITEMS[2][256] = {
    "There are too many items in a category!", "Categoria contine prea multe elemente!"};
inline constexpr char T_CATEGORY_FILE_NOT_WRITTEN[2][256] = {
    "Category file could not be written!", "Fisierul categorie nu poate fi deschis pentru scriere!"};
inline constexpr char T_CATEGORY_ITEM_EXISTS[2][256] = {
    "The added item already exists in the list!", "Elementul adaugat exista deja in lista!"};
inline constexpr char T_CATEGORY_ITEM_USED[2][256] = {
    "Cannot remove an item that is a part of a type of bar!",
    "Elementul nu poate fi sters pentru ca face parte din tipul unei bare!"};

// Types of bars.
inline constexpr char T_BFM_NOT_OPENED[2][256] = {
    "Bar manager file could not be opened!", "Fisierul de gestionare a barelor nu poate fi deschis!"};
inline constexpr char T_BFM_NOT_WRITTEN[2][256] = {
    "Bar manager file could not be written!",
    "Fisierul de gestionare a barelor nu poate fi deschis pentru scriere!"};
inline constexpr char T_TYPE_OF_BAR_EXISTS[2][256] = {
    "The inserted type of bar already exists in the database!",
    "Tipul de bara adaugat exista deja in baza de date!"};
inline constexpr char T_INVALID_INDEX_UPDATE_TYPE_OF_BAR[2][256] = {
    "Fatal error: invalid index for UpdateTypeOfBar()!",
    "Eroare fatala: index invalid pentru UpdateTypeOfBar()!"};
inline constexpr char T_INVALID_INDEX_GET_TYPE_OF_BAR[2][256] = {
    "Fatal error: invalid index for GetTypeOfBar()!", "Eroare fatala: index invalid pentru GetTypeOfBar()!"};
inline constexpr char T_INVALID_INDEX_REMOVE_TYPE_OF_BAR[2][256] = {
    "Fatal error: invalid index for RemoveTypeOfBar()!",
    "Eroare fatala: index invalid pentru RemoveTypeOfBar()!"};

// Bar stock.
inline constexpr char T_INVALID_INDEX_READ_BAR_STOCK[2][256] = {
    "Fatal error: invalid index for ReadBarStock()!", "Eroare fatala: index invalid pentru ReadBarStock()!"};
inline constexpr char T_INVALID_INDEX_WRITE_BAR_STOCK[2][256] = {
    "Fatal error: invalid index for WriteBarStock()!", "Eroare fatala: index invalid pentru WriteBarStock()!"};
inline constexpr char T_INVALID_INDEX_GET_BAR[2][256] = {
    "Fatal error: invalid index for GetBar()!", "Eroare fatala: index invalid pentru GetBar()!"};
inline constexpr char T_STOCK_FILE_NOT_OPENED[2][256] = {
    "Stock file could not be opened!", "Fisierul de stoc nu poate fi deschis!"};
inline constexpr char T_STOCK_FILE_NOT_WRITTEN[2][256] = {
    "Stock file could not be written!", "Fisierul de stoc nu poate fi deschis pentru scriere!"};

// Backup and restore.
inline constexpr char T_CANNOT_SAVE_INVENTORY[2][256] = {"Cannot save inventory!", "Stocurile nu pot fi salvate!"};
inline constexpr char T_CANNOT_RESTORE_INVENTORY[2][256] = {
    "Cannot restore inventory!", "Restaurarea stocurilor a esuat!"};

// Spreadsheet import and export.
inline constexpr char T_CSV_MISSING_COLUMNS[2][256] = {
    "The file does not name all the needed columns!", "Fisierul nu contine toate coloanele necesare!"};
inline constexpr char T_CSV_FILE_NOT_OPENED[2][256] = {"The file could not be opened!",
                                                       "Fisierul nu poate fi deschis!"};
inline constexpr char T_CSV_FILE_NOT_WRITTEN[2][256] = {"The file could not be written!",
                                                        "Fisierul nu poate fi scris!"};
inline constexpr char T_CSV_UNKNOWN_TYPE[2][64] = {"unknown type of bar", "tip de bara necunoscut"};
inline constexpr char T_CSV_BAD_LENGTH[2][64] = {"unreadable length", "lungime invalida"};
inline constexpr char T_CSV_BAD_QUANTITY[2][64] = {"unreadable quantity", "cantitate invalida"};
inline constexpr char T_CSV_ZERO_QUANTITY[2][64] = {"zero quantity", "cantitate zero"};
inline constexpr char T_CSV_MISSING_FIELDS[2][64] = {"missing fields", "campuri lipsa"};
inline constexpr char T_CSV_FILES_FILTER[2][64] = {"CSV files (*.csv)", "Fisiere CSV (*.csv)"};
inline constexpr char T_IMPORT_STOCK_CSV[2][64] = {"Import stock from CSV...", "Import stoc din CSV..."};
inline constexpr char T_EXPORT_STOCK_CSV[2][64] = {"Export stock to CSV...", "Export stoc in CSV..."};
inline constexpr char T_CSV_STOCK_ENTRIES[2][128] = {"Stock entries to add: %d.", "Intrari de stoc de adaugat: %d."};
inline constexpr char T_CSV_ROWS_LEFT_OUT[2][128] = {"Rows left out:", "Randuri omise:"};
inline constexpr char T_CSV_ADD_QUESTION[2][128] = {"Do you want to add them?", "Doriti sa le adaugati?"};
inline constexpr char T_CSV_NOTHING_TO_ADD[2][128] = {"The file holds nothing to add.", "Fisierul nu contine nimic de adaugat."};
