#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <utility>

#include "platform/ui/changed_region.h"
#include "shell_test_support.h"

namespace {

QImage Picture(QSize size = {484, 484}) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(0xff808000u);
  return picture;
}

QImage WithBlocks(const QImage& picture, std::initializer_list<QRect> blocks) {
  QImage changed = picture.copy();
  QPainter painter(&changed);
  for (const QRect& block : blocks) {
    painter.fillRect(block, Qt::white);
  }
  return changed;
}

int Area(const QRegion& region) {
  int area = 0;
  for (const QRect& rect : region) {
    area += rect.width() * rect.height();
  }
  return area;
}

// Dice at the top corners changed together; one pixel at the last column of
// a row whose width is no whole number of compared runs; nothing changed.
TEST(ChangedRegion, HoldsEveryChangedPixelAndLittleElse) {
  const QImage before = Picture();
  const QRect topLeftDie(2, 2, 70, 71);
  const QRect topRightDie(407, 3, 70, 71);
  struct Case {
    std::vector<QRect> changed;
    QPoint unchanged;
  };
  for (const Case& c :
       {Case{{topLeftDie, topRightDie}, {240, 30}}, Case{{{483, 200, 1, 1}}, {470, 200}},
        Case{{{0, 0, 1, 1}}, {0, 1}}, Case{{}, {0, 0}}}) {
    QImage after = before.copy();
    int changedArea = 0;
    for (const QRect& block : c.changed) {
      after = WithBlocks(after, {block});
      changedArea += block.width() * block.height();
    }
    const QRegion region = ChangedRegion(after, before);
    for (const QRect& block : c.changed) {
      EXPECT_EQ(region.intersected(block), QRegion(block)) << block.x();
    }
    EXPECT_FALSE(region.contains(c.unchanged)) << c.unchanged.x();
    // Runs of 8 pixels: each changed row grows by less than 16 pixels.
    EXPECT_LE(Area(region), changedArea + 16 * 71 * static_cast<int>(c.changed.size()));
  }
  EXPECT_EQ(ChangedRegion(Picture({484, 484}), Picture({484, 500})), QRegion(0, 0, 484, 484));
}

// Keeps the region of every paint of a widget.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  QRegion TakePainted() { return std::exchange(m_painted, QRegion()); }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      m_painted += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }

 private:
  QRegion m_painted;
};

class FramePresentTest : public BoardWidgetTest {
 protected:
  // What the window system shows of the board widget.
  QImage OnScreen() const {
    const QRect shown = m_pSurface->LogicalRect(Frame()->ClientSurface()->rect());
    const QPoint at = m_pSurface->mapTo(Window(), shown.topLeft());
    return Window()
        ->screen()
        ->grabWindow(Window()->winId(), at.x(), at.y(), shown.width(), shown.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  // The surface as the widget should show it.
  QImage Expected() const {
    const QImage& surface = *Frame()->ClientSurface();
    return surface.scaled(surface.size() * m_pSurface->Scale());
  }
  void Draw(const QImage& picture) { *Frame()->ClientSurface() = picture; }
};

// Frame after frame, only what changed is painted, and the screen then shows
// the surface exactly; a frame the same as the last paints nothing. A paint
// the window system asks for while the surface differs from the screen (an
// expose in the middle of drawing) is put right by the next frame, even when
// the surface has gone back to what the screen showed before.
TEST_F(FramePresentTest, OnlyChangesArePaintedAndTheScreenShowsTheSurface) {
  PaintWatch watch(m_pSurface);
  const QImage board = Frame()->ClientSurface()->copy();
  const QRect die(2, 2, 70, 71);
  const QRect banner(164, 447, 157, 33);
  struct Frame {
    QImage surface;
    int mostPainted;
  };
  for (const Frame& frame :
       {Frame{WithBlocks(board, {die}), 80 * 71}, Frame{WithBlocks(board, {die, banner}), 173 * 33},
        Frame{WithBlocks(board, {die, banner}), 0}, Frame{board, 80 * 71 + 173 * 33}}) {
    Draw(frame.surface);
    m_pSurface->Present();
    EXPECT_LE(Area(watch.TakePainted()),
              frame.mostPainted * m_pSurface->Scale() * m_pSurface->Scale());
    EXPECT_EQ(OnScreen(), Expected());
  }
  Draw(WithBlocks(board, {die}));
  m_pSurface->repaint(m_pSurface->LogicalRect(QRect(0, 0, 40, 40)));
  Draw(board);
  m_pSurface->Present();
  EXPECT_EQ(OnScreen(), Expected());
}

// The pause sleeps between events: it ends as soon as an event makes `done`
// true, or sets the frame pause to zero (the window closing), however long it
// was meant to be.
TEST(PauseAnswering, EndsOnTheEventThatSaysSo) {
  bool done = false;
  QTimer::singleShot(1, [&done] { done = true; });
  PauseAnswering(std::chrono::hours{1}, [&done] { return done; });
  EXPECT_TRUE(done);

  SetFramePause(std::chrono::hours{1});
  QTimer::singleShot(1, [] { SetFramePause(std::chrono::milliseconds{0}); });
  FramePause();
  HoldFrame(std::chrono::hours{1}, {});
  EXPECT_EQ(FramePauseLength().count(), 0);
}

}  // namespace
