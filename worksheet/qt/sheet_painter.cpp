#include "sheet_painter.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPdfWriter>
#include <QtMath>
#include <cmath>
#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include "worksheet/cell_picture.h"
#include "worksheet/grid_lines.h"

namespace sumimai {
namespace {

const QString kFontFamily = QStringLiteral("IPAGothic");
constexpr Rgb kEarlierStrokes{185, 185, 185};
constexpr Rgb kTraceInk{215, 215, 215};
const QColor kOutline(120, 120, 120);
const QColor kGuide(170, 170, 170);
const QColor kNumber(90, 90, 90);
const QColor kStart(205, 45, 45);

QRectF rectOf(const SheetRect& r) { return {r.left, r.top, r.width, r.height}; }

int pixelsFor(double points) { return static_cast<int>(std::lround(points / 72.0 * kBrushDotsPerInch)); }

bool isGrey(Rgb c) { return c.red == c.green && c.green == c.blue; }

// The inked part of a cell's picture and where it lies in the cell (a share
// of its side on each axis): the white around the ink is not stored.
struct InkedPart {
  QImage image;  // null when nothing is inked
  QRectF part;
};

// The box of the pixels that are not white, in pixels.
QRect inkBox(const CellPicture& picture) {
  int left = picture.side, top = picture.side, right = -1, bottom = -1;
  for (int y = 0; y < picture.side; ++y) {
    const std::uint32_t* row = picture.pixels.data() + static_cast<std::ptrdiff_t>(y) * picture.stride;
    for (int x = 0; x < picture.side; ++x) {
      if (row[x] == 0xFFFFFFFFu) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A grey picture keeps one channel of the three (all are alike).
InkedPart imageOf(const CellPicture& picture, bool grey) {
  const QRect box = inkBox(picture);
  if (box.isEmpty()) return {};
  QImage image(box.size(), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
  for (int y = 0; y < box.height(); ++y) {
    const std::uint32_t* row = picture.pixels.data() + static_cast<std::ptrdiff_t>(y + box.top()) * picture.stride + box.left();
    if (grey) {
      std::transform(row, row + box.width(), image.scanLine(y), [](std::uint32_t p) { return static_cast<uchar>(p & 0xFF); });
    } else {
      std::copy_n(row, box.width(), reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    }
  }
  const double side = picture.side;
  return {image, QRectF(box.left() / side, box.top() / side, box.width() / side, box.height() / side)};
}

void drawPart(QPainter& painter, const QRectF& box, const InkedPart& inked) {
  if (inked.image.isNull()) return;
  const QRectF target(box.left() + inked.part.left() * box.width(), box.top() + inked.part.top() * box.height(),
                      inked.part.width() * box.width(), inked.part.height() * box.height());
  painter.drawImage(target, inked.image);
}

// The pictures of a page, made before it is painted, on every core: a
// trace character's picture is the same image in all its cells of the page,
// so the PDF holds it once. Kept for one page at a time.
class Pictures {
 public:
  explicit Pictures(const Worksheet& sheet) : sheet_(sheet), grey_(isGrey(sheet.options.ink)) {}

  void prepare(const SheetPage& page) {
    made_.clear();
    std::vector<Job> jobs;
    auto want = [&](int character, Part part, double side) {
      const Key key{character, part, 0};
      if (std::none_of(jobs.begin(), jobs.end(), [&](const Job& j) { return j.key == key; })) jobs.push_back({key, side});
    };
    for (const SheetHeading& h : page.headings) want(h.character, Part::Heading, h.box.width);
    for (const SheetCell& c : page.cells) {
      if (c.kind == CellKind::Trace) want(c.character, Part::Trace, c.box.width);
      if (c.kind == CellKind::Sequence) want(c.character, Part::Sequence, c.box.width);
    }
    std::vector<std::vector<CellPicture>> done(jobs.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
      for (std::size_t i; (i = next++) < jobs.size();) done[i] = make(jobs[i]);
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    for (std::thread& t : workers) t.join();
    for (std::size_t i = 0; i < jobs.size(); ++i) {
      for (std::size_t k = 0; k < done[i].size(); ++k) {
        const Key key{jobs[i].key.character, jobs[i].key.part, static_cast<int>(k)};
        made_[key] = imageOf(done[i][k], grey_);
      }
    }
  }

  const InkedPart& heading(int character) { return made_[{character, Part::Heading, 0}]; }
  const InkedPart& cell(const SheetCell& cell) {
    if (cell.kind == CellKind::Trace) return made_[{cell.character, Part::Trace, 0}];
    return made_[{cell.character, Part::Sequence, cell.stroke - 1}];
  }

 private:
  enum class Part { Heading, Trace, Sequence };
  struct Key {
    int character;
    Part part;
    int index;  // a sequence's picture, from 0
    auto operator<=>(const Key&) const = default;
  };
  struct Job {
    Key key;
    double side;
  };

  std::vector<CellPicture> make(const Job& job) const {
    const SheetCharacter& c = sheet_.characters[static_cast<std::size_t>(job.key.character)];
    const int side = pixelsFor(job.side);
    const BrushChoice& brush = sheet_.options.brush;
    switch (job.key.part) {
      case Part::Heading: return {cellPicture(c.strokes, side, {{StrokeSelection{}, sheet_.options.ink}}, brush)};
      case Part::Trace: return {cellPicture(c.strokes, side, {{StrokeSelection{}, kTraceInk}}, brush)};
      case Part::Sequence: return sequencePictures(c.strokes, side, kEarlierStrokes, sheet_.options.ink, brush);
    }
    return {};
  }

  const Worksheet& sheet_;
  bool grey_;
  std::map<Key, InkedPart> made_;
};

void drawGuides(QPainter& painter, const QRectF& box, GridStyle style) {
  QPen pen(kGuide, 0.35, Qt::CustomDashLine);
  pen.setDashPattern({6, 4});  // in pen widths
  painter.setPen(pen);
  for (const GridLine& g : gridLinesOf(style)) {
    painter.drawLine(QPointF(box.left() + g.x1 * box.width(), box.top() + g.y1 * box.height()),
                     QPointF(box.left() + g.x2 * box.width(), box.top() + g.y2 * box.height()));
  }
}

void drawOutline(QPainter& painter, const QRectF& box) {
  painter.setPen(QPen(kOutline, 0.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
}

// A dot where a stroke starts, and a short arrow the way it sets off.
void drawStart(QPainter& painter, const QRectF& box, const StrokeStart& start) {
  const QPointF at(box.left() + start.at.x * box.width(), box.top() + start.at.y * box.height());
  const QPointF along(start.towards.x - start.at.x, start.towards.y - start.at.y);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kStart);
  painter.drawEllipse(at, 1.3, 1.3);
  const double length = std::hypot(along.x(), along.y());
  if (length <= 0) return;
  const QPointF u = along / length, n(-u.y(), u.x());
  const QPointF tip = at + u * 6.0;
  painter.setPen(QPen(kStart, 0.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(at + u * 1.3, tip);
  painter.drawLine(tip, tip - u * 2.0 + n * 1.3);
  painter.drawLine(tip, tip - u * 2.0 - n * 1.3);
}

// The pages of one sheet on one device. The painter counts in points; the
// fonts are sized for the device's own dots, hence fontScale.
class SheetPainting {
 public:
  SheetPainting(QPainter& painter, const Worksheet& sheet, double fontScale)
      : painter_(painter), sheet_(sheet), pictures_(sheet), fontScale_(fontScale) {}

  void page(const SheetPage& page, int number) {
    pictures_.prepare(page);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    if (!sheet_.options.title.empty()) {
      text(page.title, 14, Qt::black, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(sheet_.options.title));
    }
    for (const SheetHeading& h : page.headings) heading(h);
    for (const SheetCell& c : page.cells) cell(c);
    text(page.number, 9, kNumber, Qt::AlignHCenter | Qt::AlignBottom,
         QStringLiteral("%1 / %2").arg(number).arg(sheet_.plan.pages.size()));
  }

 private:
  const SheetCharacter& character(int index) const { return sheet_.characters[static_cast<std::size_t>(index)]; }

  void text(const SheetRect& box, double points, const QColor& colour, int alignment, const QString& what) {
    QFont font(kFontFamily);
    font.setPointSizeF(points * fontScale_);
    painter_.setFont(font);
    painter_.setPen(colour);
    painter_.drawText(rectOf(box), alignment, what);
  }

  void heading(const SheetHeading& h) {
    const SheetCharacter& c = character(h.character);
    drawPart(painter_, rectOf(h.box), pictures_.heading(h.character));
    const QString counts = QString::fromStdString(c.text) + QStringLiteral("  ") + QString::number(c.strokeCount) +
                           QStringLiteral("画");
    text(h.counts, 13, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, counts);
  }

  void cell(const SheetCell& cell) {
    const QRectF box = rectOf(cell.box);
    if (cell.kind != CellKind::Empty) drawPart(painter_, box, pictures_.cell(cell));
    drawGuides(painter_, box, sheet_.options.grid);
    drawOutline(painter_, box);
    if (cell.kind != CellKind::Sequence || !sheet_.options.numbers) return;
    const SheetRect corner{cell.box.left + 1.5, cell.box.top + 0.5, cell.box.width / 2, cell.box.height / 3};
    text(corner, 6.5, kNumber, Qt::AlignLeft | Qt::AlignTop, QString::number(cell.stroke));
    drawStart(painter_, box, strokeStartOf(character(cell.character).strokes, cell.stroke));
  }

  QPainter& painter_;
  const Worksheet& sheet_;
  Pictures pictures_;
  double fontScale_;
};

}  // namespace

Worksheet worksheetOf(std::vector<SheetCharacter> characters, const SheetOptions& options) {
  std::vector<int> counts;
  for (const SheetCharacter& c : characters) counts.push_back(c.strokeCount);
  SheetPlan plan = layOutSheet(counts, options);
  return {std::move(characters), options, std::move(plan)};
}

QPageLayout pageLayoutOf(const SheetOptions& options) {
  const QPageSize::PageSizeId id = options.paper == Paper::A4       ? QPageSize::A4
                                   : options.paper == Paper::Letter ? QPageSize::Letter
                                                                    : QPageSize::JisB5;
  return QPageLayout(QPageSize(id), options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

void paintWorksheet(QPainter& painter, QPagedPaintDevice& device, const Worksheet& sheet) {
  // The plan is in points; the device counts its own dots.
  const double scaleX = device.logicalDpiX() / 72.0, scaleY = device.logicalDpiY() / 72.0;
  SheetPainting painting(painter, sheet, 1 / scaleY);
  for (std::size_t i = 0; i < sheet.plan.pages.size(); ++i) {
    if (i > 0) device.newPage();
    painter.save();
    painter.scale(scaleX, scaleY);
    painting.page(sheet.plan.pages[i], static_cast<int>(i + 1));
    painter.restore();
  }
}

QByteArray worksheetPdf(const Worksheet& sheet, const std::string& documentTitle) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(pageLayoutOf(sheet.options));
    writer.setResolution(1200);
    writer.setTitle(QString::fromStdString(documentTitle));
    writer.setCreator(QStringLiteral("sumimai-sheet"));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    paintWorksheet(painter, writer, sheet);
    painter.end();
  }
  return bytes;
}

}  // namespace sumimai
