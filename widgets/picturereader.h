// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <string_view>

// Decoding the diary's pictures, for every window that shows or prints them: only the raster
// formats the toolkit reads safely (PNG, JPEG, GIF, BMP, and WebP where its plug-in is installed;
// never SVG or the toolkit's other formats), told by their bytes, turned as the camera says, and
// never with more memory than kPictureMemoryLimitMiB, so that a picture that claims to be huge (a
// decompression bomb) is refused before it is decoded. JPEG decodes at the reduced size itself.
// Safe on any thread.

// The most memory one decoded picture may take.
inline constexpr int kPictureMemoryLimitMiB = 128;

struct TDecodedPicture {
  enum class Failure { kNone, kNotPicture, kTooLarge, kDamaged };
  QImage image;  // empty on failure
  Failure failure = Failure::kNone;
};

// `bytes` decoded to fit inside `bounds` (aspect kept, never enlarged); an empty bounds is the
// picture's own size.
TDecodedPicture DecodePicture(std::string_view bytes, const QSize& bounds);

// Whether `bytes` begin as a picture the diary shows, of a size it can be decoded at.
bool IsShownPicture(std::string_view bytes);

// `size` scaled down to fit inside `bounds`, its aspect kept, never enlarged; at least 1 x 1.
QSize FittedSize(const QSize& size, const QSize& bounds);
