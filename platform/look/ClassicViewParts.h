// The classic desktop's tabs, tree branches and scroll bars, drawn on whole device pixels at any scale.
#pragma once

class QPainter;
class QStyle;
class QStyleOptionSlider;
class QStyleOptionTab;
class QStyleOption;
class QWidget;

// A tab above a raised pane: the chosen one stands taller and joins the pane across the pane's top edge,
// which lies in the last `overlap` logical pixels of the tab's rectangle; the others stand on that edge.
void DrawTab(QPainter& painter, const QStyleOptionTab& tab, int overlap);
// The box before a tree item that has children: a plus while they are hidden, a minus while they show.
void DrawBranchIndicator(QPainter& painter, const QStyleOption& branch);
// Arrow buttons at both ends, a bevelled thumb, and the chequered track between them.
void DrawScrollBar(QPainter& painter, const QStyleOptionSlider& bar, const QStyle& style, const QWidget* widget);
