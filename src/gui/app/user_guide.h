#pragma once

#include <QString>

// The user guide is an HTML page. A package installs it under the desktop
// prefix (/usr/share/doc/brisko7/guide); a build tree has it in the staged
// program folder (<build>/stage/V100/guide), where no package takes it from.

// The guide the program opens: the installed copy when there is one, else the
// one in programFolder; empty when neither exists.
QString UserGuidePath(const QString& programFolder);

// Help > User Guide: opens the guide in the desktop's web browser, or tells
// the user that it is missing or that no browser took it.
void OpenUserGuide();
