// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures in the shown entry: chosen in the File menu or the context menu, pasted or dropped,
// kept in the entry's attachments and linked at the cursor; opened from the context menu.
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>

#include "engines/pictures/pictures.h"
#include "mainwindow/tform1.h"
#include "pictures/picturetextedit.h"
#include "widgets/picturereader.h"
#include "widgets/prompts.h"

void TForm1::Pict1Click() {
  if (!entryLoaded) return;
  const QString file = prompts.ChooseFile(
      this, tr("Insert Picture"),
      tr("Pictures (%1)").arg(QStringLiteral("*.png *.jpg *.jpeg *.gif *.bmp *.webp")));
  if (file.isEmpty()) return;
  inputarea->InsertPictures({file});
  inputarea->setFocus();
}

QString TForm1::KeepPicture(const QString& file, const QImage& image) {
  if (!entryLoaded) return {};
  std::string bytes;
  std::string extension = "png";
  if (!file.isEmpty()) {
    const QString shown = QDir::toNativeSeparators(file);
    const marrowleaf::PictureFile read =
        marrowleaf::ReadPictureFile(QFile::encodeName(file).toStdString());
    if (!read.ok) {
      prompts.ShowWarning(this, tr("The picture %1 could not be read:\n%2")
                                    .arg(shown, QString::fromStdString(read.error)));
      return {};
    }
    // Its own bytes and extension, once they prove to be a picture the diary shows.
    if (!IsShownPicture(read.Bytes())) {
      prompts.ShowWarning(
          this,
          tr("%1 is not a picture the diary can show (PNG, JPEG, GIF, BMP or WebP).").arg(shown));
      return {};
    }
    bytes = read.Bytes();
    extension = QFile::encodeName(QFileInfo(file).suffix()).toStdString();
  } else {
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&out, "PNG")) return {};
    bytes = png.toStdString();
  }
  const marrowleaf::AddedPicture added =
      marrowleaf::AddPicture(saveDir, entryKey, bytes, extension);
  if (!added.outcome.ok) {
    prompts.ShowWarning(this,
                        tr("The picture could not be kept with %1:\n%2")
                            .arg(EntryDescription(), QString::fromStdString(added.outcome.error)));
    return {};
  }
  return QFile::decodeName(QByteArray::fromStdString(added.path));
}

void TForm1::AddPictureItems(QMenu* menu, int position) {
  menu->addSeparator();
  if (const std::optional<QString> path = inputarea->PictureAt(position);
      path && inputarea->PictureState(*path) == TPictureCache::State::kShown) {
    QAction* open = menu->addAction(tr("Open Picture"));
    open->setObjectName(QStringLiteral("OpenPicture"));
    connect(open, &QAction::triggered, this,
            [this, picture = *path] { Guard([&] { inputarea->OpenPicture(picture); }); });
  }
  QAction* insert = menu->addAction(tr("I&nsert Picture…"));
  insert->setObjectName(QStringLiteral("InsertPicture"));
  insert->setEnabled(entryLoaded);
  connect(insert, &QAction::triggered, this, [this] { Guard([this] { Pict1Click(); }); });
}
