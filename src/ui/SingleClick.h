#pragma once

class QWidget;

// Takes a double click on `widget` as one click: the second half of it would otherwise
// act again on whatever the widget does by then, such as checking the answer to the next
// question before the user has seen it.
void TakeDoubleClickAsOne(QWidget* widget);
