// SPDX-License-Identifier: MIT
#pragma once

namespace mensurio {

/// Registers the bundled help pages and icons (":/help", ":/icons"). The resources live in a
/// static library, so they are registered explicitly; repeated calls do nothing.
void EnsureBundledResources();

} // namespace mensurio
