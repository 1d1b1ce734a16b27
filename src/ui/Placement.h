#pragma once

#include <QRect>

class QWidget;

// Where windows and the controls inside them go. Every centring in the program goes through
// these, so a window never opens partly off its screen and a label's "half the container
// less half the label" is written once.
namespace Placement {

// The left edge that centres something of the given width in a container of the given
// width (a label is centred after its caption is set, since it sizes itself to the text).
inline int CentredLeft(int containerWidth, int width)
{
    return containerWidth / 2 - width / 2;
}

// Centres a control across its parent, keeping its height on the parent.
void CentreHorizontally(QWidget* widget);
// Centres a control in its parent both ways.
void CentreInParent(QWidget* widget);

// Moves the rectangle inside the area, keeping its size where it fits; where it is larger
// than the area, its top left corner stays inside, so the title bar can be reached.
QRect KeptInside(QRect frame, const QRect& area);

// Places a top-level window before it is shown: its frame centred over the anchor's frame
// (the screen's available area when there is no anchor, or the anchor is not on a screen),
// then kept inside the available area of the screen it lands on. Before a window's first
// showing its frame is unknown; the anchor's frame margins, drawn by the same desktop,
// stand in for them.
void PlaceOver(QWidget& window, const QWidget* anchor);

} // namespace Placement
