#pragma once

#include "core/language.h"

// Captions of the catching places and of questions.
inline constexpr char T_ERROR[2][32] = {"Error", "Eroare"};
inline constexpr char T_APPLICATION_ERROR[2][32] = {"Application error", "Eroare de utilizare"};
inline constexpr char T_QUESTION[2][32] = {"Question", "Intrebare"};

// Shared file helpers.
inline constexpr char T_FILE_CANNOT_BE_OPENED[2][256] = {
    "The file cannot be opened!", "Fisierul nu poate fi deschis!"};
