// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picturereader.h"

#include <QBuffer>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>

namespace {

bool Allowed(const QByteArray& format) {
  for (const char* known : {"png", "jpeg", "gif", "bmp", "webp"}) {
    if (format == known) return true;
  }
  return false;
}

}  // namespace

QSize FittedSize(const QSize& size, const QSize& bounds) {
  if (size.isEmpty()) return {};
  if (bounds.isEmpty() || (size.width() <= bounds.width() && size.height() <= bounds.height())) {
    return size;
  }
  QSize fitted = size.scaled(bounds, Qt::KeepAspectRatio);
  return fitted.expandedTo(QSize(1, 1));
}

bool IsShownPicture(std::string_view bytes) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  return Allowed(reader.format()) && reader.size().isValid() && !reader.size().isEmpty();
}

TDecodedPicture DecodePicture(std::string_view bytes, const QSize& bounds) {
  using Failure = TDecodedPicture::Failure;
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(kPictureMemoryLimitMiB);
  reader.setAutoTransform(true);
  // The bytes tell the format, never a name: a JPEG called .png is still read as a JPEG.
  if (!Allowed(reader.format())) return {{}, Failure::kNotPicture};
  QSize stored = reader.size();
  if (!stored.isValid() || stored.isEmpty()) return {{}, Failure::kDamaged};
  // A camera's turn swaps width and height; the reader scales before it turns.
  const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
  const QSize upright = turned ? stored.transposed() : stored;
  const QSize wanted = FittedSize(upright, bounds);
  const qint64 bytesNeeded = qint64(wanted.width()) * wanted.height() * 4;
  if (bytesNeeded > qint64(kPictureMemoryLimitMiB) * 1024 * 1024) return {{}, Failure::kTooLarge};
  if (wanted != upright) reader.setScaledSize(turned ? wanted.transposed() : wanted);
  QImage image = reader.read();
  if (image.isNull()) {
    // Formats that decode whole before they scale (PNG) meet the limit only now.
    const qint64 whole = qint64(stored.width()) * stored.height() * 4;
    return {{},
            whole > qint64(kPictureMemoryLimitMiB) * 1024 * 1024 ? Failure::kTooLarge
                                                                 : Failure::kDamaged};
  }
  // Where the format could not scale while decoding, the scaling is done here.
  if (image.size() != wanted) {
    image = image.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return {image, Failure::kNone};
}
