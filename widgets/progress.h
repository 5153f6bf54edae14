// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QProgressDialog;
class QWidget;
class TLongWork;

// A window that follows long work of `owner`'s: its progress, and a Cancel that asks the work to
// stop (the work then hands on what it did so far). Modal to `owner`, shown only once the work
// takes longer than half a second, titled with the program's name and heard as `label`; it
// closes itself when the work's result arrives.
QProgressDialog* FollowProgress(QWidget* owner, TLongWork& work, const QString& label);
