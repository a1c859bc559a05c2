#include "display/file_names.h"

#include <unistd.h>

#include <QDir>
#include <cstdlib>
#include <string_view>

#include "io/shown_name.h"

namespace orvane {
namespace {

constexpr char16_t kEscapeBase = 0xdc00;  // U+DC80..U+DCFF stand for the bytes 0x80..0xff

void AppendUtf8(QByteArray& out, char32_t code) {
  if (code < 0x80) {
    out.append(static_cast<char>(code));
  } else if (code < 0x800) {
    out.append(static_cast<char>(0xc0 | (code >> 6)));
    out.append(static_cast<char>(0x80 | (code & 0x3f)));
  } else if (code < 0x10000) {
    out.append(static_cast<char>(0xe0 | (code >> 12)));
    out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
    out.append(static_cast<char>(0x80 | (code & 0x3f)));
  } else {
    out.append(static_cast<char>(0xf0 | (code >> 18)));
    out.append(static_cast<char>(0x80 | ((code >> 12) & 0x3f)));
    out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
    out.append(static_cast<char>(0x80 | (code & 0x3f)));
  }
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  std::string_view rest(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  while (!rest.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8Sequence(rest, code);
    if (length == 0) {
      out.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(rest[0]))));
      rest.remove_prefix(1);
      continue;
    }
    const char32_t one[1] = {code};
    out.append(QString::fromUcs4(one, 1));
    rest.remove_prefix(length);
  }
  return out;
}

QByteArray EncodeFileName(const QString& name) {
  QByteArray out;
  out.reserve(name.size());
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && QChar::isLowSurrogate(name[i + 1].unicode())) {
      AppendUtf8(out, QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
      ++i;
    } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xff) {
      out.append(static_cast<char>(unit - kEscapeBase));
    } else if (QChar::isSurrogate(unit)) {
      AppendUtf8(out, 0xfffd);  // cannot come from a file name
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::string FileNameBytes(const QString& name) { return EncodeFileName(name).toStdString(); }

QString AbsoluteFileName(const QString& name) {
  if (name.startsWith(QLatin1Char('/'))) return QDir::cleanPath(name);
  char* current = ::getcwd(nullptr, 0);
  const QString folder = current != nullptr ? DecodeFileName(QByteArray(current)) : QDir::currentPath();
  std::free(current);
  return QDir::cleanPath(folder + QLatin1Char('/') + name);
}

QString ShownFileName(const QString& name) { return QString::fromStdString(ShownName(FileNameBytes(name))); }

}  // namespace orvane
