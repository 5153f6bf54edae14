// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// What every window of the diary's own does alike.

// Escape in `widget` or any control inside it that leaves the key alone closes the window
// `widget` lies in. Installed on a window (or on a part that may be set into another window).
void CloseOnEscape(QWidget* widget);

// Once `window` is closed or hidden, the window it was opened from becomes the active one again:
// a window manager left to itself may activate none, and the keys typed next go nowhere.
void ReturnToOwnerWhenHidden(QWidget* window);

// The window the user works in comes to the front: the diary window after another window showed
// an entry in it.
void BringToFront(QWidget* window);

// Places `window` beside `main` where the screen has room for it (right, else left), narrowed
// to that room down to two thirds of its width, else over it; a window manager left to itself may
// put it anywhere, a corner of the screen far from the diary.
void PlaceBeside(QWidget& window, const QWidget& main);

// The width a window needs for the window manager to show `title` whole in its frame, with the
// frame's buttons.
int TitleWidth(const QString& title);

// Once per process: a window of the diary's own that is a plain widget is heard as a window
// ("frame"), as the main window is, not as a filler; and a TAnnouncer as a notification.
void InstallWindowAccess();
