#include "Installation.h"

#include <QCoreApplication>

#include "Codepage.h"

namespace verbal {

std::string InstallationDirectory() {
    return Utf8ToCp1252(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace verbal
