// File names between the file system (bytes) and Qt strings. A Linux file
// name is any bytes; Qt's own conversion turns bytes that are not UTF-8
// into U+FFFD, after which the file can no longer be opened. These keep
// every byte: a byte that is not part of valid UTF-8 becomes the lone
// surrogate U+DC80..U+DCFF in the string and turns back into that byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace orvane {

QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);
// EncodeFileName as the std::string the core's file functions take.
std::string FileNameBytes(const QString& name);

// `name` made absolute against the current folder and cleaned of "." and
// ".." (as QFileInfo::absoluteFilePath, which would lose the bytes that are
// not UTF-8).
QString AbsoluteFileName(const QString& name);

// A name as a message shows it: control characters and bytes that are not
// UTF-8 as escapes (see ShownName), so that it stays on one line.
QString ShownFileName(const QString& name);

}  // namespace orvane
