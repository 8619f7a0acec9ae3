// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FilesOnlyPlatform.h"

namespace pikora::testing {

using FilesOnlyPlatform = pikora::FilesOnlyPlatform;

} // namespace pikora::testing
