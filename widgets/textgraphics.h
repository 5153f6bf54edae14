// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QWidget;

// What a text area draws besides its text (the pictures its links name), for screen readers:
// the text area's accessible interface, made elsewhere, lists them as its children, each a
// graphic with a name.
class TTextGraphics {
 public:
  virtual ~TTextGraphics() = default;
  virtual int GraphicCount() const = 0;
  // What a screen reader says of it: "Picture: a harbour at dusk".
  virtual QString GraphicName(int index) const = 0;
  // Where it is drawn, in the text area's viewport; empty while it is off screen.
  virtual QRect GraphicRect(int index) const = 0;
};
