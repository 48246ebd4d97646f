#pragma once
#include <QStringList>

class QMainWindow;

// Opens the window's menu bar menu path.front() with a mouse click and clicks
// through the items of the rest of `path`, as their texts read; then gives the
// keyboard back to the window. A missing item fails the test.
void ChooseMenu(QMainWindow& window, const QStringList& path);
