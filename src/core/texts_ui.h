#pragma once

#include "core/language.h"
