// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLocale;

// The program's texts and the toolkit's own (Yes, No, the file and print dialogs) in the
// language of `locale`, where a translation exists; English otherwise. The program's
// translations are built into it, so it finds them wherever it is installed. Called again, it
// replaces the languages installed before.
void InstallTranslations(const QLocale& locale);
