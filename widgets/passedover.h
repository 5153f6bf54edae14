// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "entries/diarywalk.h"

// What a reading of the diary passed over, in one sentence for every window that reads it (Find,
// Tags, Look Back): how many files named like entries could not be read, and the first of them
// with why. Empty where nothing was passed over.
QString PassedOver(size_t count, const std::vector<marrowleaf::Skipped>& first);
