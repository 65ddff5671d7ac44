#pragma once

#include <QIcon>
#include <QString>

// Icons of the toolbar and the tree: taken from the desktop's icon theme, and
// where the theme has none, a small drawn picture so that no button is blank.
QIcon toolbarIcon(const QString& key);
QIcon treeIcon(bool root);
