#include "mainwindow/entrytext.h"

#include <QByteArray>

QString EntryBytesToText(const std::string& bytes) {
  QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string EntryTextToBytes(const QString& text) {
  QString crlf = text;
  crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return crlf.toStdString();
}
