#include "ui/dragscrolling.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QScroller>
#include <QTextEdit>

void enableDragScrolling(QWidget *window)
{
    for (QAbstractScrollArea *area : window->findChildren<QAbstractScrollArea *>()) {
        // An editable text keeps its drag for selecting.
        auto *text = qobject_cast<QTextEdit *>(area);
        if (text && !text->isReadOnly())
            continue;
        if (auto *view = qobject_cast<QAbstractItemView *>(area)) {
            view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
            view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        }
        QScroller::grabGesture(area->viewport(), QScroller::LeftMouseButtonGesture);
        for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
            bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}
