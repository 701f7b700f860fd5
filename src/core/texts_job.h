#pragma once

#include "core/language.h"

// The job and its file.
inline constexpr char T_JOB_NOT_SAVED[2][256] = {"Job file could not be saved!", "Proiectul nu poate fi salvat!"};
inline constexpr char T_JOB_NOT_OPENED[2][256] = {"Job file could not be opened!",
                                                  "Fisierul proiectul nu poate fi deschis!"};
inline constexpr char T_INVALID_INDEX_GET_ORDER[2][256] = {"Fatal error: invalid index for GetOrder()!",
                                                           "Eroare fatala: index invalid pentru GetOrder()!"};
inline constexpr char T_JOB_LABEL[2][32] = {"Job", "Proiect"};
inline constexpr char T_ASK_SAVE_JOB[2][256] = {"The current job is not saved. Do you want to save it?",
                                                "Proiectul curent nu este salvat. Doriti sa-l salvati?"};
inline constexpr const char* kOrderFilesFilter = "Order Files (*.odr)";

// The cutting plan.
inline constexpr char T_STOCK_INVALID[2][32] = {"Stock is invalid!", "Stocul este invalid"};
inline constexpr char T_PLAN_INVALID[2][256] = {
    "The optimizer returned an invalid cutting plan!", "Optimizatorul a returnat un plan de taiere invalid!"};

// The optimizer.
inline constexpr char T_CANNOT_OPTIMIZE[2][42] = {"Cannot optimize!", "Optimizarea nu poate fi aplicata!"};
inline constexpr char T_JOB_NOT_LAUNCHED[2][42] = {"Job could not be launched!", "Proiectul nu poate fi lansat!"};
