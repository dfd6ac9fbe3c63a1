// Texts between the Qt side (QString) and everything the program stores or
// hands to the engine (Windows-1252 bytes): the one place they are converted.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace verbal {

QString FromBytes(const std::string& cp1252);

// Characters that Windows-1252 lacks become '?'.
std::string ToBytes(const QString& text);

// The bytes of |text| only when Windows-1252 holds every character of it,
// as a file name must: one with '?' in its place would name another file.
std::optional<std::string> ExactBytes(const QString& text);

}  // namespace verbal
