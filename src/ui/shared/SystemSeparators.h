// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Separators.h"

namespace mensurio {

/// The decimal and thousands separators of the user's locale, as Windows-1252 characters.
NumberSeparators SystemSeparators();

} // namespace mensurio
