#pragma once

// The catalogue of every user-visible text of the program, one header per layer.
// A text lives here and nowhere else; code refers to it by its table name.
#include "core/texts_core.h"
#include "core/texts_inventory.h"
#include "core/texts_job.h"
#include "core/texts_report.h"
#include "core/texts_ui.h"
