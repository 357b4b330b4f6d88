#pragma once

#include <QImage>
#include <QString>

namespace vantrel::settings {

// Reads a picture file with the picture readers. Truevision (TGA) files of the first
// edition of the format, which carry no footer and which the readers refuse, are
// decoded here (true colour and gray, plain or run-length packed, 8, 24 or 32 bits).
// A file that is no picture gives the null picture and the reader's message in `error`.
QImage readPictureFile(const QString& path, QString& error);

// The Truevision decoding on its own, from the file's bytes; null when they are not a
// picture of the kinds above.
QImage decodeTrueVision(const QByteArray& bytes);

} // namespace vantrel::settings
