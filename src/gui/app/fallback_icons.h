#pragma once

#include <QIcon>
#include <QString>

// Icons of the toolbar and the tree: taken from the desktop's icon theme, and
// where the theme has none, a small drawn picture so that no button is blank.
QIcon toolbarIcon(const QString& key);
QIcon treeIcon(bool root);

// Picks an installed icon theme when the session names none that has the
// common document icons (a bare X server, a minimal desktop).
void ChooseIconTheme();
