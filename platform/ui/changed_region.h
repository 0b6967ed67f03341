// What differs between two pictures of a window's surface: the frame about to
// go up and the one on the screen. Only those rectangles need reach the
// window system.
#pragma once

#include <QRegion>

class QImage;

// The pixels of `now` that differ from `shown`, as rectangles a little wider
// than what changed (columns are compared by runs of a few pixels), each
// taking in the whole of every changed pixel. Pictures of different sizes or
// formats differ everywhere.
QRegion ChangedRegion(const QImage& now, const QImage& shown);
