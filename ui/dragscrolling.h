#ifndef DRAGSCROLLING_H
#define DRAGSCROLLING_H

class QWidget;

// Lists, scrolled pages and read-only texts under window scroll with a
// finger's drag (the handset's touch arrives as mouse events), pixel by pixel;
// their scroll bars only show where the view is and take no drag of their own.
void enableDragScrolling(QWidget *window);

#endif
