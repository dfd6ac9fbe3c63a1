#include "QtText.h"

#include "Codepage.h"

namespace verbal {

QString FromBytes(const std::string& cp1252) { return QString::fromUtf8(Cp1252ToUtf8(cp1252)); }

std::string ToBytes(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

std::optional<std::string> ExactBytes(const QString& text) {
    std::string bytes = ToBytes(text);
    if (FromBytes(bytes) != text) return std::nullopt;
    return bytes;
}

}  // namespace verbal
