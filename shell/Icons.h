// The program's pictures, drawn as SVG and compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace verbal::shell {

// |name| is a file of data/icons without its extension ("new", "stop", ...).
QPixmap RenderPicture(const QString& name, QSize size);
QIcon ProgramIcon(const QString& name);

}  // namespace verbal::shell
